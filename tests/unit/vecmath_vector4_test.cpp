// The plain and SSE 4-vector tables: the same results where both round once, which unit
// computes each, and out forms writing over their own inputs.
#include <gtest/gtest.h>

#include <random>

#include "tests/unit/vecmath_test_support.h"
#include "vecmath/vector4_math.h"
#include "vecmath/vector4_math_sse.h"

namespace {

_Vector4MathFunctions Plain_Object;
_Vector4MathFunctionsSSE SSE_Object;
// Both reached through the base class, as any caller does.
_Vector4MathFunctions& Plain = Plain_Object;
_Vector4MathFunctions& SSE = SSE_Object;

using OutForm = void (*)(_Vector4MathFunctions& table, const Vector4& a, const Vector4& b, Vector4& out);

struct Operation {
  const char* name;
  OutForm out_form;
};

// b.x serves as the scalar of the scalar forms.
const Operation Operations[] = {
    {"Add", [](_Vector4MathFunctions& t, const Vector4& a, const Vector4& b, Vector4& out) { t.Add(a, b, out); }},
    {"Subtract",
     [](_Vector4MathFunctions& t, const Vector4& a, const Vector4& b, Vector4& out) { t.Subtract(a, b, out); }},
    {"Multiply by s",
     [](_Vector4MathFunctions& t, const Vector4& a, const Vector4& b, Vector4& out) { t.Multiply(a, b.x, out); }},
    {"Multiply",
     [](_Vector4MathFunctions& t, const Vector4& a, const Vector4& b, Vector4& out) { t.Multiply(a, b, out); }},
    {"Divide by s",
     [](_Vector4MathFunctions& t, const Vector4& a, const Vector4& b, Vector4& out) { t.Divide(a, b.x, out); }},
    {"Divide", [](_Vector4MathFunctions& t, const Vector4& a, const Vector4& b, Vector4& out) { t.Divide(a, b, out); }},
};
constexpr size_t Divide_By_S = 4;

// Any finite float: random sign, exponent (subnormals included) and mantissa.
float Random_Finite(std::mt19937& random) {
  for (;;) {
    const float f = From_Bits(static_cast<uint32_t>(random()));
    if (std::isfinite(f)) return f;
  }
}

TEST(Vector4Math, PlainAndSSEAgreeOverRandomInputs) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 20000; ++round) {
    const Vector4 a = {Random_Finite(random), Random_Finite(random), Random_Finite(random), Random_Finite(random)};
    const Vector4 b = {Random_Finite(random), Random_Finite(random), Random_Finite(random), Random_Finite(random)};
    for (size_t op = 0; op < std::size(Operations); ++op) {
      Vector4 plain = {}, sse = {};
      Operations[op].out_form(Plain, a, b, plain);
      Operations[op].out_form(SSE, a, b, sse);
      const float p[4] = {plain.x, plain.y, plain.z, plain.w}, s[4] = {sse.x, sse.y, sse.z, sse.w};
      for (int lane = 0; lane < 4; ++lane) {
        // Both round each lane once, except that the plain scalar division multiplies by a
        // reciprocal: there single-precision accuracy is what is promised.
        const uint32_t allowed = op == Divide_By_S ? 2 : 0;
        const bool same = op == Divide_By_S ? Ulps_Apart(p[lane], s[lane]) <= allowed
                                            : Bits(p[lane]) == Bits(s[lane]) ||
                                                  (std::isnan(p[lane]) && std::isnan(s[lane]));
        ASSERT_TRUE(same) << Operations[op].name << ", round " << round << ", lane " << lane << ": plain "
                          << p[lane] << " (0x" << std::hex << Bits(p[lane]) << "), SSE " << s[lane] << " (0x"
                          << Bits(s[lane]) << std::dec << ")";
      }
    }
  }
}

// Sets the SSE unit to round toward zero while the x87 unit keeps rounding to nearest, and
// restores it, so that each result shows which unit computed it. (Plain instructions: this
// test program itself is built without SSE.)
class SSERoundsTowardZero {
 public:
  SSERoundsTowardZero() {
    asm volatile("stmxcsr %0" : "=m"(saved_));
    const uint32_t toward_zero = (saved_ & ~Rounding_Bits) | Rounding_Bits;
    asm volatile("ldmxcsr %0" : : "m"(toward_zero));
  }
  ~SSERoundsTowardZero() { asm volatile("ldmxcsr %0" : : "m"(saved_)); }

 private:
  static constexpr uint32_t Rounding_Bits = 0x6000;  // both set: toward zero
  uint32_t saved_;
};

Vector4 Of_Bits(uint32_t x, uint32_t y, uint32_t z, uint32_t w) {
  return {From_Bits(x), From_Bits(y), From_Bits(z), From_Bits(w)};
}

struct RoundingCase {
  size_t operation;
  Vector4 a, b;
  Vector4 to_nearest, toward_zero;  // every lane differs between the two
  Vector4 (*value_form)(_Vector4MathFunctions& table, const Vector4& a, const Vector4& b);
};

const RoundingCase Rounding_Cases[] = {
    {0, {1, 1, 1, -1}, {0.1f, 0.2f, 1e-7f, 0.2f},
     Of_Bits(0x3F8CCCCD, 0x3F99999A, 0x3F800001, 0xBF4CCCCD), Of_Bits(0x3F8CCCCC, 0x3F999999, 0x3F800000, 0xBF4CCCCC),
     [](_Vector4MathFunctions& t, const Vector4& a, const Vector4& b) { return t.Add(a, b); }},
    {1, {1, -1, -1, 1}, {0.2f, 0.1f, 1e-7f, 2e-7f},
     Of_Bits(0x3F4CCCCD, 0xBF8CCCCD, 0xBF800001, 0x3F7FFFFD), Of_Bits(0x3F4CCCCC, 0xBF8CCCCC, 0xBF800000, 0x3F7FFFFC),
     [](_Vector4MathFunctions& t, const Vector4& a, const Vector4& b) { return t.Subtract(a, b); }},
    {2, {0.1f, 0.2f, 1.1f, 7.3f}, {3, 0, 0, 0},
     Of_Bits(0x3E99999A, 0x3F19999A, 0x40533334, 0x41AF3334), Of_Bits(0x3E999999, 0x3F199999, 0x40533333, 0x41AF3333),
     [](_Vector4MathFunctions& t, const Vector4& a, const Vector4& b) { return t.Multiply(a, b.x); }},
    {3, {3, 3, 3, 100}, {0.1f, 1.1f, -1e-7f, 0.3f},
     Of_Bits(0x3E99999A, 0x40533334, 0xB4A10FB0, 0x41F00001), Of_Bits(0x3E999999, 0x40533333, 0xB4A10FAF, 0x41F00000),
     [](_Vector4MathFunctions& t, const Vector4& a, const Vector4& b) { return t.Multiply(a, b); }},
    {4, {1, 2, -1, 0.7f}, {3, 0, 0, 0},
     Of_Bits(0x3EAAAAAB, 0x3F2AAAAB, 0xBEAAAAAB, 0x3E6EEEEF), Of_Bits(0x3EAAAAAA, 0x3F2AAAAA, 0xBEAAAAAA, 0x3E6EEEEE),
     [](_Vector4MathFunctions& t, const Vector4& a, const Vector4& b) { return t.Divide(a, b.x); }},
    {5, {1, 1, 1, 1}, {3, 0.3f, 7, 9},
     Of_Bits(0x3EAAAAAB, 0x40555555, 0x3E124925, 0x3DE38E39), Of_Bits(0x3EAAAAAA, 0x40555554, 0x3E124924, 0x3DE38E38),
     [](_Vector4MathFunctions& t, const Vector4& a, const Vector4& b) { return t.Divide(a, b); }},
};

// The SSE table's out forms run in the SSE unit and the plain table's do not; the value
// forms that the SSE table inherits reach its own out forms.
TEST(Vector4Math, SSETableComputesInTheSSEUnitAndItsValueFormsFollow) {
  for (size_t i = 0; i < std::size(Rounding_Cases); ++i) {
    const RoundingCase& c = Rounding_Cases[i];
    Vector4 plain_out = {}, sse_out = {}, sse_value, plain_value;
    {
      SSERoundsTowardZero toward_zero;
      Operations[c.operation].out_form(Plain, c.a, c.b, plain_out);
      Operations[c.operation].out_form(SSE, c.a, c.b, sse_out);
      sse_value = c.value_form(SSE, c.a, c.b);
      plain_value = c.value_form(Plain, c.a, c.b);
    }
    const char* name = Operations[c.operation].name;
    EXPECT_EQ(sse_out, c.toward_zero) << "case " << i << ": " << name << ", SSE out form";
    EXPECT_EQ(sse_value, c.toward_zero) << "case " << i << ": " << name << ", value form on the SSE object";
    EXPECT_EQ(plain_out, c.to_nearest) << "case " << i << ": " << name << ", plain out form";
    EXPECT_EQ(plain_value, c.to_nearest) << "case " << i << ": " << name << ", plain value form";
  }
}

TEST(Vector4Math, OutFormMayWriteOverItsInputs) {
  // b.x is the scalar of the scalar forms, so with out = b it is a component of out too.
  const Vector4 a = {2, 4, -3, 0.1f}, b = {-5, 0.5f, 7, 3};
  for (_Vector4MathFunctions* table : {&Plain, &SSE}) {
    const char* variant = table == &Plain ? "plain" : "SSE";
    for (size_t op = 0; op < std::size(Operations); ++op) {
      Vector4 separate = {};
      Operations[op].out_form(*table, a, b, separate);

      Vector4 out_is_a = a;
      Operations[op].out_form(*table, out_is_a, b, out_is_a);
      EXPECT_EQ(out_is_a, separate) << variant << " " << Operations[op].name << " with out = a";

      Vector4 out_is_b = b;
      Operations[op].out_form(*table, a, out_is_b, out_is_b);
      EXPECT_EQ(out_is_b, separate) << variant << " " << Operations[op].name << " with out = b";
    }
  }
}

}  // namespace
