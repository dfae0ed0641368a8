#pragma once
#include "vecmath/vector4_math.h"

// The 4-component table computed with packed SSE instructions: it replaces the six out
// forms (slots 1, 3, 6, 7, 10, 11) and keeps the inherited value forms, which reach these
// through the table. Each vector is loaded and stored whole, unaligned.
class _Vector4MathFunctionsSSE : public _Vector4MathFunctions {
 public:
  using _Vector4MathFunctions::Add;
  using _Vector4MathFunctions::Divide;
  using _Vector4MathFunctions::Multiply;
  using _Vector4MathFunctions::Subtract;

  /* 1 */ void Add(const Vector4& a, const Vector4& b, Vector4& out) override;
  /* 3 */ void Subtract(const Vector4& a, const Vector4& b, Vector4& out) override;
  /* 6 */ void Multiply(const Vector4& a, const float& s, Vector4& out) override;
  /* 7 */ void Multiply(const Vector4& a, const Vector4& b, Vector4& out) override;
  /* 10 */ void Divide(const Vector4& a, const float& s, Vector4& out) override;  // one packed division
  /* 11 */ void Divide(const Vector4& a, const Vector4& b, Vector4& out) override;
};
static_assert(sizeof(_Vector4MathFunctionsSSE) == sizeof(void*), "only the vtable pointer");
