#include "tests/sim/tracking_allocator.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace sim {

namespace {
constexpr uint32_t Page = 0x1000;
constexpr uint32_t Slot_Bytes = 4 * Page;  // up to 3 pages of data, then one guard page
constexpr uint32_t Region_Bytes = 512u << 20;
constexpr size_t Quarantine = 4096;  // released slots that stay inaccessible before reuse

[[noreturn]] void Fail(const char* what, unsigned long value) {
  std::fprintf(stderr, "tracking allocator: %s (%lu)\n", what, value);
  std::fflush(stderr);
  std::abort();
}
}  // namespace

TrackingAllocator& TrackingAllocator::Instance() {
  static TrackingAllocator* instance = new TrackingAllocator();  // lives as long as the process
  return *instance;
}

TrackingAllocator::TrackingAllocator() {
  void* region = VirtualAlloc(nullptr, Region_Bytes, MEM_RESERVE, PAGE_NOACCESS);
  if (!region) Fail("cannot reserve the block region", GetLastError());
  region_ = reinterpret_cast<uintptr_t>(region);
  slot_count_ = Region_Bytes / Slot_Bytes;
  live_.resize(slot_count_);
  slot_state_.resize(slot_count_);
}

uintptr_t TrackingAllocator::Take_Slot() {
  if (free_slots_.size() > Quarantine || slots_used_ == slot_count_) {
    if (free_slots_.empty()) Fail("out of block slots", slot_count_);
    const uintptr_t slot = free_slots_.front();
    free_slots_.pop_front();
    return slot;
  }
  return region_ + Slot_Bytes * slots_used_++;
}

void* TrackingAllocator::Allocate(uint32_t size) {
  const uint32_t pages = (size + Page - 1) / Page + (size == 0);
  if (pages >= Slot_Bytes / Page) Fail("block too large", size);
  const uintptr_t slot = Take_Slot();
  void* committed = VirtualAlloc(reinterpret_cast<void*>(slot), pages * Page, MEM_COMMIT, PAGE_READWRITE);
  if (!committed) Fail("cannot commit a block", GetLastError());
  const uintptr_t address = slot + pages * Page - size;  // ends where the guard page starts
  const uint32_t index = (slot - region_) / Slot_Bytes;
  live_[index] = Block{address, size, next_serial_++};
  slot_state_[index] = 1;
  return reinterpret_cast<void*>(address);
}

void TrackingAllocator::Release(void* pointer) {
  if (!pointer) return;  // releasing null is allowed, as for the host's own allocator
  const uintptr_t address = reinterpret_cast<uintptr_t>(pointer);
  char text[96];
  if (address < region_ || address >= region_ + Region_Bytes) {
    std::snprintf(text, sizeof text, "unknown %p", pointer);
    faulty_releases_.push_back(text);
    return;
  }
  const uint32_t index = (address - region_) / Slot_Bytes;
  if (slot_state_[index] != 1 || live_[index].address != address) {
    std::snprintf(text, sizeof text, "%s %p", slot_state_[index] == 2 ? "double" : "unknown", pointer);
    faulty_releases_.push_back(text);
    return;
  }
  slot_state_[index] = 2;
  const uintptr_t slot = region_ + Slot_Bytes * index;
  if (!VirtualFree(reinterpret_cast<void*>(slot), Slot_Bytes, MEM_DECOMMIT)) Fail("cannot decommit", GetLastError());
  free_slots_.push_back(slot);
}

std::vector<Block> TrackingAllocator::Live_Since(uint64_t mark) const {
  std::vector<Block> blocks;
  for (uint32_t i = 0; i < slots_used_; ++i)
    if (slot_state_[i] == 1 && live_[i].serial >= mark) blocks.push_back(live_[i]);
  return blocks;
}

bool TrackingAllocator::Is_Live(const void* pointer) const {
  const uintptr_t address = reinterpret_cast<uintptr_t>(pointer);
  if (address < region_ || address >= region_ + Region_Bytes) return false;
  const uint32_t index = (address - region_) / Slot_Bytes;
  return slot_state_[index] == 1 && live_[index].address == address;
}

}  // namespace sim
