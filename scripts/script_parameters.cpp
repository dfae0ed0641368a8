// A script's parameters: the host hands over one text of comma-separated values, and
// asks for them back joined into a buffer of its own.
#include <cstring>

#include "engine/host_allocator.h"
#include "scripts/script_imp.h"

char* Duplicate_Text(const char* text) {
  const uint32_t size = static_cast<uint32_t>(std::strlen(text)) + 1;
  auto* copy = static_cast<char*>(Host_Allocate(size));
  if (copy) std::memcpy(copy, text, size);
  return copy;
}

// Texts and the array go back through the host's array release, which is the same
// routine as its single release.
void ScriptImpClass::Clear_Parameters() {
  if (Parameters) {
    for (int32_t i = ParameterCount - 1; i >= 0; --i)
      if (Parameters[i]) Host_Release_Array(Parameters[i]);
    Host_Release_Array(Parameters);
  }
  ParameterCount = 0;
  Parameters = nullptr;
}

void ScriptImpClass::Set_Parameter(int32_t index, const char* text) {
  if (Parameters[index]) Host_Release_Array(Parameters[index]);
  Parameters[index] = Duplicate_Text(text);
}

// Splits at every comma: a,,b gives a, "" and b; a trailing comma gives an empty last
// parameter; one newline at the end is not part of the last parameter. A null or empty
// text leaves the parameters as they were.
void ScriptImpClass::Set_Parameter_Text(const char* text) {
  if (!text || !*text) return;
  char* copy = Duplicate_Text(text);
  if (!copy) return;
  size_t length = std::strlen(copy);
  if (copy[length - 1] == '\n') copy[--length] = '\0';

  uint32_t count = 1;
  for (const char* at = copy; *at; ++at) count += (*at == ',');

  Clear_Parameters();
  auto* array = static_cast<char**>(Host_Allocate_Array(count * sizeof(char*)));
  if (array) {
    for (uint32_t i = 0; i < count; ++i) array[i] = nullptr;
    Parameters = array;
    ParameterCount = static_cast<int32_t>(count);
    char* piece = copy;
    for (uint32_t i = 0; i < count; ++i) {
      char* comma = std::strchr(piece, ',');
      if (comma) *comma = '\0';
      Set_Parameter(static_cast<int32_t>(i), piece);
      if (comma) piece = comma + 1;
    }
  }
  Host_Release(copy);
}

// Joins the parameters with commas into buffer, never more than size characters: the
// terminating zero may fall at buffer[size], so the buffer holds size + 1 bytes. A
// parameter that does not fit is left out with everything after it; the comma before it
// stays.
void ScriptImpClass::Get_Parameter_Text(char* buffer, uint32_t size) {
  if (!buffer) return;
  char* end = buffer;
  *end = '\0';
  uint32_t total = 0;
  for (int32_t i = 0; i < ParameterCount; ++i) {
    if (total >= size) break;
    if (i > 0) {
      ++total;
      *end++ = ',';
      *end = '\0';
    }
    const char* parameter = Parameters[i] ? Parameters[i] : "";
    const uint32_t length = static_cast<uint32_t>(std::strlen(parameter));
    if (length > size - total) break;
    total += length;
    std::memcpy(end, parameter, length + 1);
    end += length;
  }
}
