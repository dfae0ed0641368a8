#include "vecmath/vector_math_tables.h"

// The vector math tables are not built yet; detection calls this seam at the point
// where they will be.
void Build_Vector_Math_Tables() {}
