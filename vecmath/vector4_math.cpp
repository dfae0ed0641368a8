#include "vecmath/vector4_math.h"

// Plain x87 arithmetic: each component is one operation on floats, rounded to single
// precision when stored, so it equals the packed SSE result exactly. The out forms copy
// their inputs into locals first: out may be one of the inputs, and s a component of out.

Vector4 _Vector4MathFunctions::Add(const Vector4& a, const Vector4& b) {
  Vector4 result = {0, 0, 0, 0};
  Add(a, b, result);
  return result;
}

void _Vector4MathFunctions::Add(const Vector4& a, const Vector4& b, Vector4& out) {
  const Vector4 l = a, r = b;
  out = {l.x + r.x, l.y + r.y, l.z + r.z, l.w + r.w};
}

Vector4 _Vector4MathFunctions::Subtract(const Vector4& a, const Vector4& b) {
  Vector4 result = {0, 0, 0, 0};
  Subtract(a, b, result);
  return result;
}

void _Vector4MathFunctions::Subtract(const Vector4& a, const Vector4& b, Vector4& out) {
  const Vector4 l = a, r = b;
  out = {l.x - r.x, l.y - r.y, l.z - r.z, l.w - r.w};
}

Vector4 _Vector4MathFunctions::Multiply(const Vector4& a, const float& s) {
  Vector4 result = {0, 0, 0, 0};
  Multiply(a, s, result);
  return result;
}

Vector4 _Vector4MathFunctions::Multiply(const Vector4& a, const Vector4& b) {
  Vector4 result = {0, 0, 0, 0};
  Multiply(a, b, result);
  return result;
}

void _Vector4MathFunctions::Multiply(const Vector4& a, const float& s, Vector4& out) {
  const Vector4 l = a;
  const float f = s;
  out = {l.x * f, l.y * f, l.z * f, l.w * f};
}

void _Vector4MathFunctions::Multiply(const Vector4& a, const Vector4& b, Vector4& out) {
  const Vector4 l = a, r = b;
  out = {l.x * r.x, l.y * r.y, l.z * r.z, l.w * r.w};
}

Vector4 _Vector4MathFunctions::Divide(const Vector4& a, const float& s) {
  Vector4 result = {0, 0, 0, 0};
  Divide(a, s, result);
  return result;
}

Vector4 _Vector4MathFunctions::Divide(const Vector4& a, const Vector4& b) {
  Vector4 result = {0, 0, 0, 0};
  Divide(a, b, result);
  return result;
}

void _Vector4MathFunctions::Divide(const Vector4& a, const float& s, Vector4& out) {
  // One reciprocal, kept in double: it stays finite for a subnormal s, and each component
  // comes out within single-precision rounding of a true division.
  const Vector4 l = a;
  const double r = 1.0 / s;
  out = {static_cast<float>(l.x * r), static_cast<float>(l.y * r), static_cast<float>(l.z * r),
         static_cast<float>(l.w * r)};
}

void _Vector4MathFunctions::Divide(const Vector4& a, const Vector4& b, Vector4& out) {
  const Vector4 l = a, r = b;
  out = {l.x / r.x, l.y / r.y, l.z / r.z, l.w / r.w};
}
