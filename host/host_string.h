#pragma once
#include <cstddef>
#include <cstdint>

// The host's 28-byte text object. The host reads what the plug-in writes here and later
// releases an out-of-line buffer through the host allocator, so the layout is fixed.
struct HostString {
  static constexpr uint32_t InlineCapacity = 15;

  uint32_t HostWord;  // bytes 0-3, never touched by the plug-in
  union {
    char Inline[InlineCapacity + 1];  // the text, while Capacity is below 16
    char* Buffer;                     // the text's buffer otherwise
  };
  uint32_t Length;    // characters, without the terminating zero
  uint32_t Capacity;  // characters that fit without a new buffer

  bool Is_Inline() const { return Capacity <= InlineCapacity; }
  const char* Text() const { return Is_Inline() ? Inline : Buffer; }

  // Copies text in place when it fits; a longer text gets a buffer of length + 1 bytes
  // from the host allocator, and a previous out-of-line buffer goes back to it.
  void Assign(const char* text);
};
static_assert(offsetof(HostString, Inline) == 4, "text or buffer address at bytes 4-19");
static_assert(offsetof(HostString, Length) == 20, "length at bytes 20-23");
static_assert(offsetof(HostString, Capacity) == 24, "capacity at bytes 24-27");
static_assert(sizeof(HostString) == 28, "the host's text object takes 28 bytes");
