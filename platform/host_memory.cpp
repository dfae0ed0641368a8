#include "platform/host_memory.h"

#include <windows.h>

#include <cstring>

namespace {

bool Is_Readable(const MEMORY_BASIC_INFORMATION& region) {
  constexpr DWORD Readable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                             PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
  return region.State == MEM_COMMIT && (region.Protect & Readable) && !(region.Protect & PAGE_GUARD);
}

}  // namespace

bool Read_Host_Memory(uintptr_t address, void* buffer, size_t size) {
  // Every page of the range must be committed and readable before a byte is copied, so an
  // unmapped or inaccessible address never raises a fault here.
  const uintptr_t end = address + size;
  if (end < address) return false;
  for (uintptr_t at = address; at < end;) {
    MEMORY_BASIC_INFORMATION region;
    if (VirtualQuery(reinterpret_cast<const void*>(at), &region, sizeof region) != sizeof region) return false;
    if (!Is_Readable(region)) return false;
    at = reinterpret_cast<uintptr_t>(region.BaseAddress) + region.RegionSize;
  }
  std::memcpy(buffer, reinterpret_cast<const void*>(address), size);
  return true;
}
