// The value forms start from a zero result and go through the table to the out form of
// their operation, so an out form replaced in a derived table serves its value form too.
#include <gtest/gtest.h>

#include <string>

#include "tests/unit/vecmath_test_support.h"
#include "vecmath/vector3_math.h"
#include "vecmath/vector4_math.h"

namespace {

// What the last out form call received.
struct OutFormCall {
  std::string operation;
  Vector4 a, b;  // the 3-vector spy leaves w at 0
  float s;
  Vector4 out_on_entry;
};

constexpr Vector3 Marker3 = {101, 102, 103};
constexpr Vector4 Marker4 = {101, 102, 103, 104};
constexpr float Dot_Marker = 105;

Vector4 Wide(const Vector3& v) { return {v.x, v.y, v.z, 0}; }

// Overrides every out form to record its call and answer a marker.
class Vector3Spy : public _Vector3MathFunctions {
 public:
  using _Vector3MathFunctions::Add, _Vector3MathFunctions::Subtract, _Vector3MathFunctions::Multiply,
      _Vector3MathFunctions::Divide, _Vector3MathFunctions::Cross_Product, _Vector3MathFunctions::Normalize,
      _Vector3MathFunctions::Dot_Product;

  void Add(const Vector3& a, const Vector3& b, Vector3& out) override { Record("Add", a, b, 0, out); }
  void Subtract(const Vector3& a, const Vector3& b, Vector3& out) override { Record("Subtract", a, b, 0, out); }
  void Multiply(const Vector3& a, const float& s, Vector3& out) override { Record("Multiply s", a, {}, s, out); }
  void Multiply(const Vector3& a, const Vector3& b, Vector3& out) override { Record("Multiply", a, b, 0, out); }
  void Divide(const Vector3& a, const float& s, Vector3& out) override { Record("Divide s", a, {}, s, out); }
  void Divide(const Vector3& a, const Vector3& b, Vector3& out) override { Record("Divide", a, b, 0, out); }
  void Cross_Product(const Vector3& a, const Vector3& b, Vector3& out) override {
    Record("Cross_Product", a, b, 0, out);
  }
  void Normalize(const Vector3& a, Vector3& out) override { Record("Normalize", a, {}, 0, out); }
  void Dot_Product(const Vector3& a, const Vector3& b, float& out) override {
    last = {"Dot_Product", Wide(a), Wide(b), 0, {out, 0, 0, 0}};
    out = Dot_Marker;
  }

  OutFormCall last;

 private:
  void Record(const char* operation, const Vector3& a, const Vector3& b, float s, Vector3& out) {
    last = {operation, Wide(a), Wide(b), s, Wide(out)};
    out = Marker3;
  }
};

class Vector4Spy : public _Vector4MathFunctions {
 public:
  using _Vector4MathFunctions::Add, _Vector4MathFunctions::Subtract, _Vector4MathFunctions::Multiply,
      _Vector4MathFunctions::Divide;

  void Add(const Vector4& a, const Vector4& b, Vector4& out) override { Record("Add", a, b, 0, out); }
  void Subtract(const Vector4& a, const Vector4& b, Vector4& out) override { Record("Subtract", a, b, 0, out); }
  void Multiply(const Vector4& a, const float& s, Vector4& out) override { Record("Multiply s", a, {}, s, out); }
  void Multiply(const Vector4& a, const Vector4& b, Vector4& out) override { Record("Multiply", a, b, 0, out); }
  void Divide(const Vector4& a, const float& s, Vector4& out) override { Record("Divide s", a, {}, s, out); }
  void Divide(const Vector4& a, const Vector4& b, Vector4& out) override { Record("Divide", a, b, 0, out); }

  OutFormCall last;

 private:
  void Record(const char* operation, const Vector4& a, const Vector4& b, float s, Vector4& out) {
    last = {operation, a, b, s, out};
    out = Marker4;
  }
};

struct ValueFormCase {
  const char* operation;  // the out form expected to be reached
  bool takes_b, takes_s;
};

void Expect_Call(const OutFormCall& call, const ValueFormCase& expected, const Vector4& a, const Vector4& b, float s,
                 size_t i) {
  EXPECT_EQ(call.operation, expected.operation) << "case " << i;
  EXPECT_EQ(call.a, a) << "case " << i << ": " << expected.operation;
  if (expected.takes_b) {
    EXPECT_EQ(call.b, b) << "case " << i << ": " << expected.operation;
  }
  if (expected.takes_s) {
    EXPECT_EQ(call.s, s) << "case " << i << ": " << expected.operation;
  }
  EXPECT_EQ(call.out_on_entry, (Vector4{0, 0, 0, 0})) << "case " << i << ": " << expected.operation;
}

TEST(VectorMathValueForms, Vector3ValueFormsCallTheirOutFormThroughTheTable) {
  Vector3Spy spy;
  _Vector3MathFunctions& table = spy;
  const Vector3 a = {1, 2, 3}, b = {4, 5, 6};
  const float s = 7;
  using Call = Vector3 (*)(_Vector3MathFunctions&, const Vector3&, const Vector3&, float);
  const std::pair<ValueFormCase, Call> cases[] = {
      {{"Add", true, false}, [](auto& t, const Vector3& a, const Vector3& b, float) { return t.Add(a, b); }},
      {{"Subtract", true, false}, [](auto& t, const Vector3& a, const Vector3& b, float) { return t.Subtract(a, b); }},
      {{"Multiply s", false, true},
       [](auto& t, const Vector3& a, const Vector3&, float s) { return t.Multiply(a, s); }},
      {{"Multiply", true, false}, [](auto& t, const Vector3& a, const Vector3& b, float) { return t.Multiply(a, b); }},
      {{"Divide s", false, true}, [](auto& t, const Vector3& a, const Vector3&, float s) { return t.Divide(a, s); }},
      {{"Divide", true, false}, [](auto& t, const Vector3& a, const Vector3& b, float) { return t.Divide(a, b); }},
      {{"Cross_Product", true, false},
       [](auto& t, const Vector3& a, const Vector3& b, float) { return t.Cross_Product(a, b); }},
      {{"Normalize", false, false}, [](auto& t, const Vector3& a, const Vector3&, float) { return t.Normalize(a); }},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    spy.last = {};
    const Vector3 result = cases[i].second(table, a, b, s);
    Expect_Call(spy.last, cases[i].first, Wide(a), Wide(b), s, i);
    EXPECT_EQ(result, Marker3) << "case " << i << ": the value form returns what its out form wrote";
  }

  spy.last = {};
  const float dot = table.Dot_Product(a, b);
  Expect_Call(spy.last, {"Dot_Product", true, false}, Wide(a), Wide(b), 0, std::size(cases));
  EXPECT_EQ(dot, Dot_Marker);
}

TEST(VectorMathValueForms, Vector4ValueFormsCallTheirOutFormThroughTheTable) {
  Vector4Spy spy;
  _Vector4MathFunctions& table = spy;
  const Vector4 a = {1, 2, 3, 4}, b = {5, 6, 7, 8};
  const float s = 9;
  using Call = Vector4 (*)(_Vector4MathFunctions&, const Vector4&, const Vector4&, float);
  const std::pair<ValueFormCase, Call> cases[] = {
      {{"Add", true, false}, [](auto& t, const Vector4& a, const Vector4& b, float) { return t.Add(a, b); }},
      {{"Subtract", true, false}, [](auto& t, const Vector4& a, const Vector4& b, float) { return t.Subtract(a, b); }},
      {{"Multiply s", false, true},
       [](auto& t, const Vector4& a, const Vector4&, float s) { return t.Multiply(a, s); }},
      {{"Multiply", true, false}, [](auto& t, const Vector4& a, const Vector4& b, float) { return t.Multiply(a, b); }},
      {{"Divide s", false, true}, [](auto& t, const Vector4& a, const Vector4&, float s) { return t.Divide(a, s); }},
      {{"Divide", true, false}, [](auto& t, const Vector4& a, const Vector4& b, float) { return t.Divide(a, b); }},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    spy.last = {};
    const Vector4 result = cases[i].second(table, a, b, s);
    Expect_Call(spy.last, cases[i].first, a, b, s, i);
    EXPECT_EQ(result, Marker4) << "case " << i << ": the value form returns what its out form wrote";
  }
}

}  // namespace
