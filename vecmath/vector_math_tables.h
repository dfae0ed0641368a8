#pragma once

class _Vector3MathFunctions;
class _Vector4MathFunctions;

// The one 3-vector table object and the one 4-vector table object (plain or SSE), both in
// host-allocated memory and never released; null until built, or when the host allocator
// gave no block.
extern _Vector3MathFunctions* Vector3Math;
extern _Vector4MathFunctions* Vector4Math;

// Builds the 3- and 4-component vector math table objects. Called by host build
// detection once the allocator entries and the SSE flag entry are filled; the 4-vector
// table is the SSE one when the host's flag byte is non-zero.
void Build_Vector_Math_Tables();
