// The library's global allocation and release operators, every form, go to the host
// allocator, so blocks can cross the boundary with the host both ways. An allocation
// runs host build detection first while the host allocator is not bound.
//
// On an unrecognised server there is no host allocator; the few blocks that the runtime
// allocates before the library refuses to load come from the C runtime's heap then, and
// go back to it.
#include <cstdlib>
#include <new>

#include "engine/host_allocator.h"
#include "engine/host_build.h"
#include "engine/host_entry_table.h"

namespace {

void* Allocate(std::size_t size, bool array) {
  void* block = array ? Host_Allocate_Array(size) : Host_Allocate(size);
  if (!block && !Host_Allocator_Is_Bound()) block = std::malloc(size ? size : 1);
  return block;
}

void Release(void* block, bool array) {
  if (!block) return;
  if (!Host_Allocator_Is_Bound()) return std::free(block);
  array ? HostEntries.Host_Delete_Array(block) : HostEntries.Host_Delete(block);
}

// Over-aligned forms: take extra room from the same allocator and keep the block's own
// address in the word before the aligned one.
void* Allocate_Aligned(std::size_t size, std::align_val_t alignment, bool array) {
  const std::size_t align = static_cast<std::size_t>(alignment);
  void* block = Allocate(size + align + sizeof(void*), array);
  if (!block) return nullptr;
  auto aligned = (reinterpret_cast<uintptr_t>(block) + sizeof(void*) + align - 1) & ~(uintptr_t(align) - 1);
  reinterpret_cast<void**>(aligned)[-1] = block;
  return reinterpret_cast<void*>(aligned);
}

void Release_Aligned(void* aligned, bool array) {
  if (aligned) Release(static_cast<void**>(aligned)[-1], array);
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size, false); }
void* operator new[](std::size_t size) { return Allocate(size, true); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size, false); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size, true); }
void* operator new(std::size_t size, std::align_val_t a) { return Allocate_Aligned(size, a, false); }
void* operator new[](std::size_t size, std::align_val_t a) { return Allocate_Aligned(size, a, true); }
void* operator new(std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
  return Allocate_Aligned(size, a, false);
}
void* operator new[](std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
  return Allocate_Aligned(size, a, true);
}

void operator delete(void* block) noexcept { Release(block, false); }
void operator delete[](void* block) noexcept { Release(block, true); }
void operator delete(void* block, std::size_t) noexcept { Release(block, false); }
void operator delete[](void* block, std::size_t) noexcept { Release(block, true); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Release(block, false); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Release(block, true); }
void operator delete(void* block, std::align_val_t) noexcept { Release_Aligned(block, false); }
void operator delete[](void* block, std::align_val_t) noexcept { Release_Aligned(block, true); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { Release_Aligned(block, false); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { Release_Aligned(block, true); }
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept { Release_Aligned(block, false); }
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept { Release_Aligned(block, true); }
