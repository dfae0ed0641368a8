#include "platform/message_box.h"

#include <windows.h>

namespace {
constexpr UINT WarningBoxFlags = MB_OK | MB_ICONWARNING;
static_assert(WarningBoxFlags == 0x30, "OK button and warning icon");
}  // namespace

void Show_Warning_Box(const char* text, const char* caption) { MessageBoxA(nullptr, text, caption, WarningBoxFlags); }
