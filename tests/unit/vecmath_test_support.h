#pragma once
// Comparison and printing of vectors for the vector math tests.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <ostream>

#include "vecmath/vector_types.h"

inline bool operator==(const Vector3& a, const Vector3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
inline bool operator==(const Vector4& a, const Vector4& b) {
  return a.x == b.x && a.y == b.y && a.z == b.z && a.w == b.w;
}

inline void PrintTo(const Vector3& v, std::ostream* os) { *os << "(" << v.x << ", " << v.y << ", " << v.z << ")"; }
inline void PrintTo(const Vector4& v, std::ostream* os) {
  *os << "(" << v.x << ", " << v.y << ", " << v.z << ", " << v.w << ")";
}

inline uint32_t Bits(float f) {
  uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  return u;
}

inline float From_Bits(uint32_t u) {
  float f;
  std::memcpy(&f, &u, sizeof f);
  return f;
}

// Distance in units in the last place between two floats of the same sign (0 when both
// are NaN, a huge number when only one is).
inline uint32_t Ulps_Apart(float a, float b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b) ? 0 : UINT32_MAX;
  // Map the sign-magnitude bit patterns onto one monotonic integer line.
  auto line = [](float f) {
    const uint32_t u = Bits(f);
    return (u & 0x80000000u) ? int64_t{0x80000000} - int64_t{u & 0x7FFFFFFFu}
                             : int64_t{0x80000000} + int64_t{u};
  };
  const int64_t d = line(a) - line(b);
  return static_cast<uint32_t>(d < 0 ? -d : d);
}
