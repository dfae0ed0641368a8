#pragma once

// Single-precision vectors as the host lays them out: the components in order, packed,
// with no alignment beyond that of a float.
struct Vector3 {
  float x, y, z;
};
static_assert(sizeof(Vector3) == 12 && alignof(Vector3) == 4, "three packed floats");

struct Vector4 {
  float x, y, z, w;
};
static_assert(sizeof(Vector4) == 16 && alignof(Vector4) == 4, "four packed floats; no 16-byte alignment");
