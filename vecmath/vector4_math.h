#pragma once
#include <type_traits>

#include "vecmath/vector_types.h"

// Arithmetic on 4-component vectors, computed in the x87 unit; the comment before each
// function gives its slot. The forms and the rules for aliasing are those of
// _Vector3MathFunctions (slots 0 to 11 alike). No virtual destructor, no data.
class _Vector4MathFunctions {
 public:
  /* 0 */ virtual Vector4 Add(const Vector4& a, const Vector4& b);
  /* 1 */ virtual void Add(const Vector4& a, const Vector4& b, Vector4& out);
  /* 2 */ virtual Vector4 Subtract(const Vector4& a, const Vector4& b);
  /* 3 */ virtual void Subtract(const Vector4& a, const Vector4& b, Vector4& out);
  /* 4 */ virtual Vector4 Multiply(const Vector4& a, const float& s);
  /* 5 */ virtual Vector4 Multiply(const Vector4& a, const Vector4& b);
  /* 6 */ virtual void Multiply(const Vector4& a, const float& s, Vector4& out);
  /* 7 */ virtual void Multiply(const Vector4& a, const Vector4& b, Vector4& out);
  /* 8 */ virtual Vector4 Divide(const Vector4& a, const float& s);
  /* 9 */ virtual Vector4 Divide(const Vector4& a, const Vector4& b);
  /* 10 */ virtual void Divide(const Vector4& a, const float& s, Vector4& out);  // a * (1 / s)
  /* 11 */ virtual void Divide(const Vector4& a, const Vector4& b, Vector4& out);
};
static_assert(sizeof(_Vector4MathFunctions) == sizeof(void*), "only the vtable pointer");
static_assert(!std::has_virtual_destructor_v<_Vector4MathFunctions>, "a destructor would shift the slots");
