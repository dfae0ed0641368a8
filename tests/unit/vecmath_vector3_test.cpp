// The 3-vector table's arithmetic: the geometric operations on their telling inputs, and
// every out form writing over one of its own inputs.
#include <gtest/gtest.h>

#include <cfloat>

#include "tests/unit/vecmath_test_support.h"
#include "vecmath/vector3_math.h"

namespace {

// Calls through a reference to the table, as any caller does.
_Vector3MathFunctions Plain_Table;
_Vector3MathFunctions& Table = Plain_Table;

struct GeometryCase {
  const char* what;
  Vector3 result;
  Vector3 expected;
  float tolerance;  // per component, absolute
};

TEST(Vector3Math, CrossProductNormalizeAndDotProduct) {
  const GeometryCase cases[] = {
      {"(1,0,0) x (0,1,0)", Table.Cross_Product({1, 0, 0}, {0, 1, 0}), {0, 0, 1}, 0},
      {"(0,1,0) x (0,0,1)", Table.Cross_Product({0, 1, 0}, {0, 0, 1}), {1, 0, 0}, 0},
      {"(0,1,0) x (1,0,0)", Table.Cross_Product({0, 1, 0}, {1, 0, 0}), {0, 0, -1}, 0},
      {"(2,-3,4) x (4,6,-8)", Table.Cross_Product({2, -3, 4}, {4, 6, -8}), {0, 32, 24}, 0},
      {"normalize (0,0,0)", Table.Normalize({0, 0, 0}), {0, 0, 0}, 0},
      {"normalize (3,0,4)", Table.Normalize({3, 0, 4}), {0.6f, 0, 0.8f}, 0.6f * FLT_EPSILON},
      {"normalize (0,-5,0)", Table.Normalize({0, -5, 0}), {0, -1, 0}, 0},
      // The squared length of these leaves the float range; the direction must survive.
      {"normalize (1e30,0,1e30)", Table.Normalize({1e30f, 0, 1e30f}), {0.70710678f, 0, 0.70710678f}, FLT_EPSILON},
      {"normalize (0,1e-30,0)", Table.Normalize({0, 1e-30f, 0}), {0, 1, 0}, 0},
      {"normalize (smallest subnormal,0,0)", Table.Normalize({FLT_TRUE_MIN, 0, 0}), {1, 0, 0}, 0},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const GeometryCase& c = cases[i];
    EXPECT_NEAR(c.result.x, c.expected.x, c.tolerance) << "case " << i << ": " << c.what;
    EXPECT_NEAR(c.result.y, c.expected.y, c.tolerance) << "case " << i << ": " << c.what;
    EXPECT_NEAR(c.result.z, c.expected.z, c.tolerance) << "case " << i << ": " << c.what;
  }

  EXPECT_EQ(Table.Dot_Product({1, 2, 3}, {4, 5, 6}), 32.0f);
  float dot = -1;
  Table.Dot_Product({2, -3, 4}, {4, 6, -8}, dot);
  EXPECT_EQ(dot, -42.0f);
}

// An out form with all of its inputs passed in, so that the test can make out one of them.
// The scalar s is always a.y: when out is a, s is a component of out as well.
using OutForm = void (*)(Vector3& a, Vector3& b, Vector3& out);

struct OutFormCase {
  const char* operation;
  OutForm call;
};

const OutFormCase Out_Forms[] = {
    {"Add", [](Vector3& a, Vector3& b, Vector3& out) { Table.Add(a, b, out); }},
    {"Subtract", [](Vector3& a, Vector3& b, Vector3& out) { Table.Subtract(a, b, out); }},
    {"Multiply by a.y", [](Vector3& a, Vector3&, Vector3& out) { Table.Multiply(a, a.y, out); }},
    {"Multiply", [](Vector3& a, Vector3& b, Vector3& out) { Table.Multiply(a, b, out); }},
    {"Divide by a.y", [](Vector3& a, Vector3&, Vector3& out) { Table.Divide(a, a.y, out); }},
    {"Divide", [](Vector3& a, Vector3& b, Vector3& out) { Table.Divide(a, b, out); }},
    {"Cross_Product", [](Vector3& a, Vector3& b, Vector3& out) { Table.Cross_Product(a, b, out); }},
    {"Normalize", [](Vector3& a, Vector3&, Vector3& out) { Table.Normalize(a, out); }},
};

TEST(Vector3Math, OutFormMayWriteOverItsInputs) {
  const Vector3 a = {2, 4, -3}, b = {-5, 0.5f, 7};
  for (size_t i = 0; i < std::size(Out_Forms); ++i) {
    const OutFormCase& form = Out_Forms[i];
    Vector3 a1 = a, b1 = b, separate = {};
    form.call(a1, b1, separate);

    Vector3 out_is_a = a, b2 = b;
    form.call(out_is_a, b2, out_is_a);
    EXPECT_EQ(out_is_a, separate) << "case " << i << ": " << form.operation << " with out = a";

    Vector3 a3 = a, out_is_b = b;
    form.call(a3, out_is_b, out_is_b);
    EXPECT_EQ(out_is_b, separate) << "case " << i << ": " << form.operation << " with out = b";
  }

  Vector3 v = {1, 2, 3};
  Table.Dot_Product(v, {4, 5, 6}, v.x);
  EXPECT_EQ(v.x, 32.0f) << "Dot_Product into a.x";
}

}  // namespace
