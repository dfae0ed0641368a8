// The fake extension library. Which of the host's functions a build exports is chosen by
// its module definition file (see CMakeLists.txt); the code is the same for every build.
#include "tests/sim/fake_extension/fake_extension.h"

#include <vector>

#include "tests/sim/fake_extension/exports.h"

using sim::FakeObjectCreateHook;
using sim::ObjectCreateCallback;

// A stand-in for each host function: it answers its own name, so every one has a body of
// its own and an address of its own. Exported under the host's name as Stand_In_<name>.
#define SIM_STAND_IN(name, offset) \
  extern "C" __attribute__((cdecl)) const char* Stand_In_##name() { return #name; }
SIM_EXTENSION_FUNCTIONS(SIM_STAND_IN)
#undef SIM_STAND_IN

namespace {
std::vector<FakeObjectCreateHook>& Hooks() {
  static std::vector<FakeObjectCreateHook> hooks;
  return hooks;
}
int32_t Last_Registration = 0;

bool Is_Registered(int32_t registration) {
  for (const FakeObjectCreateHook& hook : Hooks())
    if (hook.registration == registration) return true;
  return false;
}
}  // namespace

extern "C" {

__attribute__((cdecl)) int32_t NewAddObjectCreateHook(const void* record) {
  Hooks().push_back({record, ++Last_Registration});
  return Last_Registration;
}

__attribute__((cdecl)) void NewRemoveObjectCreateHook(int32_t registration) {
  std::vector<FakeObjectCreateHook>& hooks = Hooks();
  for (auto it = hooks.begin(); it != hooks.end(); ++it)
    if (it->registration == registration) {
      hooks.erase(it);
      return;
    }
}

__attribute__((cdecl)) uint32_t Fake_Extension_Object_Create_Hooks(const FakeObjectCreateHook** hooks) {
  *hooks = Hooks().data();
  return static_cast<uint32_t>(Hooks().size());
}

__attribute__((cdecl)) void Fake_Extension_Object_Created(void* object) {
  // A copy, so that a hook may add or remove registrations while it runs; one removed
  // meanwhile is not called. The record is read at the call, as the library reads it.
  const std::vector<FakeObjectCreateHook> hooks = Hooks();
  for (const FakeObjectCreateHook& hook : hooks) {
    if (!Is_Registered(hook.registration)) continue;
    const auto* words = static_cast<void* const*>(hook.record);
    reinterpret_cast<ObjectCreateCallback>(words[0])(words[1], object);
  }
}

}  // extern "C"
