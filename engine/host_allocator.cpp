#include "engine/host_allocator.h"

#include "engine/host_build.h"
#include "engine/host_entry_table.h"

namespace {

template <class Entry>
Entry Bound_Entry(Entry& entry) {
  if (!entry) Detect_Host_Build();
  return entry;
}

}  // namespace

void* Host_Allocate(uint32_t size) {
  auto host_new = Bound_Entry(HostEntries.Host_New);
  return host_new ? host_new(size) : nullptr;
}

void* Host_Allocate_Array(uint32_t size) {
  auto host_new_array = Bound_Entry(HostEntries.Host_New_Array);
  return host_new_array ? host_new_array(size) : nullptr;
}

void Host_Release(void* block) {
  if (HostEntries.Host_Delete) HostEntries.Host_Delete(block);
}

void Host_Release_Array(void* block) {
  if (HostEntries.Host_Delete_Array) HostEntries.Host_Delete_Array(block);
}
