#pragma once

// Builds the 3- and 4-component vector math table objects. Called by host build
// detection once the allocator entries and the SSE flag entry are filled.
void Build_Vector_Math_Tables();
