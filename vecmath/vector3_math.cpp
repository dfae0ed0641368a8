#include "vecmath/vector3_math.h"

#include <cmath>

// The out forms copy their inputs into locals first: out may be one of the inputs, and s
// may even be a component of out.

Vector3 _Vector3MathFunctions::Add(const Vector3& a, const Vector3& b) {
  Vector3 result = {0, 0, 0};
  Add(a, b, result);
  return result;
}

void _Vector3MathFunctions::Add(const Vector3& a, const Vector3& b, Vector3& out) {
  const Vector3 l = a, r = b;
  out = {l.x + r.x, l.y + r.y, l.z + r.z};
}

Vector3 _Vector3MathFunctions::Subtract(const Vector3& a, const Vector3& b) {
  Vector3 result = {0, 0, 0};
  Subtract(a, b, result);
  return result;
}

void _Vector3MathFunctions::Subtract(const Vector3& a, const Vector3& b, Vector3& out) {
  const Vector3 l = a, r = b;
  out = {l.x - r.x, l.y - r.y, l.z - r.z};
}

Vector3 _Vector3MathFunctions::Multiply(const Vector3& a, const float& s) {
  Vector3 result = {0, 0, 0};
  Multiply(a, s, result);
  return result;
}

Vector3 _Vector3MathFunctions::Multiply(const Vector3& a, const Vector3& b) {
  Vector3 result = {0, 0, 0};
  Multiply(a, b, result);
  return result;
}

void _Vector3MathFunctions::Multiply(const Vector3& a, const float& s, Vector3& out) {
  const Vector3 l = a;
  const float f = s;
  out = {l.x * f, l.y * f, l.z * f};
}

void _Vector3MathFunctions::Multiply(const Vector3& a, const Vector3& b, Vector3& out) {
  const Vector3 l = a, r = b;
  out = {l.x * r.x, l.y * r.y, l.z * r.z};
}

Vector3 _Vector3MathFunctions::Divide(const Vector3& a, const float& s) {
  Vector3 result = {0, 0, 0};
  Divide(a, s, result);
  return result;
}

Vector3 _Vector3MathFunctions::Divide(const Vector3& a, const Vector3& b) {
  Vector3 result = {0, 0, 0};
  Divide(a, b, result);
  return result;
}

void _Vector3MathFunctions::Divide(const Vector3& a, const float& s, Vector3& out) {
  // One reciprocal, kept in double: it stays finite for a subnormal s, and each component
  // comes out within single-precision rounding of a true division.
  const Vector3 l = a;
  const double r = 1.0 / s;
  out = {static_cast<float>(l.x * r), static_cast<float>(l.y * r), static_cast<float>(l.z * r)};
}

void _Vector3MathFunctions::Divide(const Vector3& a, const Vector3& b, Vector3& out) {
  const Vector3 l = a, r = b;
  out = {l.x / r.x, l.y / r.y, l.z / r.z};
}

Vector3 _Vector3MathFunctions::Cross_Product(const Vector3& a, const Vector3& b) {
  Vector3 result = {0, 0, 0};
  Cross_Product(a, b, result);
  return result;
}

void _Vector3MathFunctions::Cross_Product(const Vector3& a, const Vector3& b, Vector3& out) {
  const Vector3 l = a, r = b;
  out = {l.y * r.z - l.z * r.y, l.z * r.x - l.x * r.z, l.x * r.y - l.y * r.x};
}

Vector3 _Vector3MathFunctions::Normalize(const Vector3& a) {
  Vector3 result = {0, 0, 0};
  Normalize(a, result);
  return result;
}

void _Vector3MathFunctions::Normalize(const Vector3& a, Vector3& out) {
  // The squared length in double neither overflows nor underflows for any float vector,
  // so only the zero vector has length zero, and very long or very short vectors still
  // come out with length one.
  const double x = a.x, y = a.y, z = a.z;
  const double squared_length = (x * x + y * y) + z * z;
  if (squared_length == 0) {
    out = {0, 0, 0};
    return;
  }
  const double r = 1.0 / std::sqrt(squared_length);
  out = {static_cast<float>(x * r), static_cast<float>(y * r), static_cast<float>(z * r)};
}

float _Vector3MathFunctions::Dot_Product(const Vector3& a, const Vector3& b) {
  float result = 0;
  Dot_Product(a, b, result);
  return result;
}

void _Vector3MathFunctions::Dot_Product(const Vector3& a, const Vector3& b, float& out) {
  out = (a.z * b.z + a.y * b.y) + a.x * b.x;
}
