#include "host/extension_binding.h"

#include <windows.h>

#include "host/command_table.h"
#include "host/extension_functions.h"
#include "host/framework_records.h"
#include "platform/message_box.h"

namespace {
constexpr const char* MissingFunctionText = "Error getting function address from bhs.dll";

void*& Destination(const ExtensionFunction& function) {
  return function.Kept ? *function.Kept : HostCommands->Word(function.CommandWord);
}
}  // namespace

void Bind_Extension_Library() {
  const HMODULE library = static_cast<HMODULE>(ExtensionModule);
  for (const ExtensionFunction& function : ExtensionFunctions) {
    void* address = reinterpret_cast<void*>(GetProcAddress(library, function.Name));
    if (!address) Show_Warning_Box(MissingFunctionText, function.Name);
    Destination(function) = address;
  }
}
