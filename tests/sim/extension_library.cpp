#include "tests/sim/extension_library.h"

#include <cstdio>
#include <cstdlib>

namespace sim {

namespace {
std::string Beside_Test_Program(const std::string& file) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string directory(path);
  directory.erase(directory.find_last_of("\\/") + 1);
  return directory + file;
}

template <class F>
F Simulator_Export(HMODULE module, const char* name) {
  auto function = reinterpret_cast<F>(GetProcAddress(module, name));
  if (!function) {
    std::fprintf(stderr, "the fake extension library lacks its export %s\n", name);
    std::abort();
  }
  return function;
}
}  // namespace

ExtensionLibrary::ExtensionLibrary(const char* dll_name) {
  const std::string path = Beside_Test_Program(std::string(dll_name) + ".dll");
  module_ = LoadLibraryA(path.c_str());
  if (!module_) {
    std::fprintf(stderr, "%s cannot be loaded (error %lu): build it first\n", path.c_str(), GetLastError());
    std::abort();
  }
}

ExtensionLibrary::~ExtensionLibrary() { FreeLibrary(module_); }

const void* ExtensionLibrary::Address(const char* name) const {
  return reinterpret_cast<const void*>(GetProcAddress(module_, name));
}

std::vector<FakeObjectCreateHook> ExtensionLibrary::Object_Create_Hooks() const {
  const FakeObjectCreateHook* hooks = nullptr;
  const uint32_t count =
      Simulator_Export<FakeObjectCreateHooksFunction>(module_, "Fake_Extension_Object_Create_Hooks")(&hooks);
  return std::vector<FakeObjectCreateHook>(hooks, hooks + count);
}

void ExtensionLibrary::Object_Created(void* object) const {
  Simulator_Export<FakeObjectCreatedFunction>(module_, "Fake_Extension_Object_Created")(object);
}

}  // namespace sim
