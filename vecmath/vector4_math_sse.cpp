// Compiled with SSE enabled (see CMakeLists.txt); nothing else in the plug-in is, and this
// file defines only the SSE table's out forms, so no shared code picks up SSE instructions.
#include "vecmath/vector4_math_sse.h"

#include <xmmintrin.h>

namespace {

// Whole-vector unaligned load and store: the host's vectors are only 4-byte aligned.
inline __m128 Load(const Vector4& v) { return _mm_loadu_ps(&v.x); }
inline void Store(__m128 value, Vector4& out) { _mm_storeu_ps(&out.x, value); }

}  // namespace

void _Vector4MathFunctionsSSE::Add(const Vector4& a, const Vector4& b, Vector4& out) {
  Store(_mm_add_ps(Load(a), Load(b)), out);
}

void _Vector4MathFunctionsSSE::Subtract(const Vector4& a, const Vector4& b, Vector4& out) {
  Store(_mm_sub_ps(Load(a), Load(b)), out);
}

void _Vector4MathFunctionsSSE::Multiply(const Vector4& a, const float& s, Vector4& out) {
  Store(_mm_mul_ps(Load(a), _mm_set1_ps(s)), out);
}

void _Vector4MathFunctionsSSE::Multiply(const Vector4& a, const Vector4& b, Vector4& out) {
  Store(_mm_mul_ps(Load(a), Load(b)), out);
}

void _Vector4MathFunctionsSSE::Divide(const Vector4& a, const float& s, Vector4& out) {
  Store(_mm_div_ps(Load(a), _mm_set1_ps(s)), out);
}

void _Vector4MathFunctionsSSE::Divide(const Vector4& a, const Vector4& b, Vector4& out) {
  Store(_mm_div_ps(Load(a), Load(b)), out);
}
