#pragma once
#include <type_traits>

#include "vecmath/vector_types.h"

// Arithmetic on 3-component vectors, called through its virtual slots; the comment before
// each function gives its slot. Member functions are thiscall. There is no virtual
// destructor (it would take two slots) and no data: the object is only its vtable pointer.
//
// Every operation has a value form, which starts from a zero result and calls the out form
// through the table (so an override of the out form serves both), and an out form, which
// reads all of its inputs before it writes any of out, so out may be one of the inputs.
class _Vector3MathFunctions {
 public:
  /* 0 */ virtual Vector3 Add(const Vector3& a, const Vector3& b);
  /* 1 */ virtual void Add(const Vector3& a, const Vector3& b, Vector3& out);
  /* 2 */ virtual Vector3 Subtract(const Vector3& a, const Vector3& b);
  /* 3 */ virtual void Subtract(const Vector3& a, const Vector3& b, Vector3& out);
  /* 4 */ virtual Vector3 Multiply(const Vector3& a, const float& s);
  /* 5 */ virtual Vector3 Multiply(const Vector3& a, const Vector3& b);
  /* 6 */ virtual void Multiply(const Vector3& a, const float& s, Vector3& out);
  /* 7 */ virtual void Multiply(const Vector3& a, const Vector3& b, Vector3& out);
  /* 8 */ virtual Vector3 Divide(const Vector3& a, const float& s);
  /* 9 */ virtual Vector3 Divide(const Vector3& a, const Vector3& b);
  /* 10 */ virtual void Divide(const Vector3& a, const float& s, Vector3& out);  // a * (1 / s)
  /* 11 */ virtual void Divide(const Vector3& a, const Vector3& b, Vector3& out);
  /* 12 */ virtual Vector3 Cross_Product(const Vector3& a, const Vector3& b);
  /* 13 */ virtual void Cross_Product(const Vector3& a, const Vector3& b, Vector3& out);
  /* 14 */ virtual Vector3 Normalize(const Vector3& a);
  /* 15 */ virtual void Normalize(const Vector3& a, Vector3& out);  // the zero vector stays zero
  /* 16 */ virtual float Dot_Product(const Vector3& a, const Vector3& b);
  /* 17 */ virtual void Dot_Product(const Vector3& a, const Vector3& b, float& out);
};
static_assert(sizeof(_Vector3MathFunctions) == sizeof(void*), "only the vtable pointer");
static_assert(!std::has_virtual_destructor_v<_Vector3MathFunctions>, "a destructor would shift the slots");
