#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// The simulated host allocator. Every block ends exactly at the end of a committed page
// and is followed by an inaccessible guard page, so an overrun faults at once; a released
// block's pages become inaccessible too, so a use after release faults. It records every
// block and reports leaks, double releases and releases of blocks it never handed out.
namespace sim {

struct Block {
  uintptr_t address;
  uint32_t size;
  uint64_t serial;  // allocation order, from 1
};

class TrackingAllocator {
 public:
  static TrackingAllocator& Instance();

  void* Allocate(uint32_t size);
  void Release(void* block);

  // Serial number of the next allocation: a mark from which later blocks can be asked for.
  uint64_t Mark() const { return next_serial_; }
  std::vector<Block> Live_Since(uint64_t mark) const;
  bool Is_Live(const void* block) const;
  uint64_t Allocations_Since(uint64_t mark) const { return next_serial_ - mark; }

  // Releases that matched no live block, in the order they happened ("double" or "unknown").
  const std::vector<std::string>& Faulty_Releases() const { return faulty_releases_; }
  void Forget_Faulty_Releases() { faulty_releases_.clear(); }

 private:
  TrackingAllocator();
  uintptr_t Take_Slot();

  uintptr_t region_ = 0;
  uint32_t slot_count_ = 0;
  uint32_t slots_used_ = 0;
  std::deque<uintptr_t> free_slots_;  // released slots, reused oldest first once enough wait
  std::vector<Block> live_;             // by slot index
  std::vector<uint8_t> slot_state_;     // 0 never used, 1 live, 2 released
  uint64_t next_serial_ = 1;
  std::vector<std::string> faulty_releases_;
};

}  // namespace sim
