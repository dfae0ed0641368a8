#pragma once
#include <cstdint>
#include <string>

// The host command table as the simulated host hands it over: 816 bytes, version 174,
// then 202 function addresses. Every entry starts as a recognisable dummy that logs
// "unexpected command <word>" when called; the simulator puts its real commands over them.
namespace sim {

struct CommandTableRecord {
  static constexpr uint32_t Words = 204;
  uint32_t words[Words];

  CommandTableRecord();
  void Set(uint32_t word, const void* function) { words[word] = reinterpret_cast<uintptr_t>(function); }
  const void* Get(uint32_t word) const { return reinterpret_cast<const void*>(words[word]); }
  // The dummy that the table holds at a word until something replaces it.
  static const void* Dummy(uint32_t word);
};
static_assert(sizeof(CommandTableRecord) == 816, "the host's table is 816 bytes");

}  // namespace sim
