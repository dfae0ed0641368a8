#include "tests/sim/message_box_hook.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/sim/event_log.h"

namespace sim {

namespace {

constexpr const char* BoxPrefix = "message box ";

int WINAPI Record_Box(HWND owner, LPCSTR text, LPCSTR caption, UINT flags) {
  char attributes[64];
  if (owner)
    std::snprintf(attributes, sizeof attributes, " [flags 0x%X, owner 0x%lX]", flags,
                  static_cast<unsigned long>(reinterpret_cast<uintptr_t>(owner)));
  else
    std::snprintf(attributes, sizeof attributes, " [flags 0x%X, owner none]", flags);
  Log(std::string(BoxPrefix) + "\"" + (caption ? caption : "(null)") + "\": " + (text ? text : "(null)") + attributes);
  return IDOK;
}

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "message box hook: %s (error %lu)\n", what, GetLastError());
  std::abort();
}

}  // namespace

void Record_Message_Boxes() {
  static bool installed = false;
  if (installed) return;
  HMODULE user32 = LoadLibraryA("user32.dll");
  if (!user32) Fail("user32.dll cannot be loaded");
  auto* target = reinterpret_cast<uint8_t*>(GetProcAddress(user32, "MessageBoxA"));
  if (!target) Fail("user32.dll has no MessageBoxA");
  DWORD old;
  if (!VirtualProtect(target, 5, PAGE_EXECUTE_READWRITE, &old)) Fail("MessageBoxA cannot be made writable");
  // A 5-byte relative jump; the recorder has MessageBoxA's own form (stdcall, four
  // arguments), so it returns straight to the caller.
  const int32_t displacement =
      static_cast<int32_t>(reinterpret_cast<uintptr_t>(&Record_Box) - (reinterpret_cast<uintptr_t>(target) + 5));
  target[0] = 0xE9;
  std::memcpy(target + 1, &displacement, sizeof displacement);
  VirtualProtect(target, 5, old, &old);
  FlushInstructionCache(GetCurrentProcess(), target, 5);
  installed = true;
}

std::vector<std::string> Message_Box_Events() {
  std::vector<std::string> boxes;
  for (const std::string& event : Events())
    if (event.rfind(BoxPrefix, 0) == 0) boxes.push_back(event);
  return boxes;
}

}  // namespace sim
