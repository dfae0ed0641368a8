#include "host/host_string.h"

#include <cstring>

#include "engine/host_allocator.h"

void HostString::Assign(const char* text) {
  const uint32_t length = static_cast<uint32_t>(std::strlen(text));
  if (length <= Capacity) {
    std::memcpy(Is_Inline() ? Inline : Buffer, text, length + 1);
  } else if (length <= InlineCapacity) {
    // Only a record whose capacity is below the inline size gets here; the text still
    // fits the inline form, which a buffer this small would be mistaken for.
    std::memcpy(Inline, text, length + 1);
    Capacity = InlineCapacity;
  } else {
    char* buffer = static_cast<char*>(Host_Allocate(length + 1));
    if (!buffer) return;  // no memory: the record keeps its previous text
    std::memcpy(buffer, text, length + 1);
    if (!Is_Inline()) Host_Release(Buffer);
    Buffer = buffer;
    Capacity = length;
  }
  Length = length;
}
