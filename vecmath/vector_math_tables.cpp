#include "vecmath/vector_math_tables.h"

#include <cstdint>
#include <new>

#include "engine/host_allocator.h"
#include "engine/host_entry_table.h"
#include "platform/host_memory.h"
#include "vecmath/vector3_math.h"
#include "vecmath/vector4_math.h"
#include "vecmath/vector4_math_sse.h"

_Vector3MathFunctions* Vector3Math = nullptr;
_Vector4MathFunctions* Vector4Math = nullptr;

namespace {

// Builds a table object in a block of the host allocator, or answers null when there is
// no block. Host_Allocate, unlike operator new, never falls back to another heap, and its
// call into detection returns at once while detection is running (which is when this runs).
template <class Table>
Table* New_Table() {
  void* block = Host_Allocate(sizeof(Table));
  return block ? new (block) Table : nullptr;
}

// The host's flag byte asks for the SSE table when non-zero. An empty entry, or a byte
// that cannot be read, counts as zero.
bool Host_Asks_For_SSE() {
  const volatile uint8_t* flag = HostEntries.Host_SSE_Flag;
  uint8_t value = 0;
  return flag && Read_Host_Memory(reinterpret_cast<uintptr_t>(flag), &value, sizeof value) && value != 0;
}

}  // namespace

void Build_Vector_Math_Tables() {
  Vector3Math = New_Table<_Vector3MathFunctions>();
  if (Host_Asks_For_SSE())
    Vector4Math = New_Table<_Vector4MathFunctionsSSE>();
  else
    Vector4Math = New_Table<_Vector4MathFunctions>();
}
