#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/sim/fake_extension/exports.h"
#include "tests/sim/fake_extension/fake_extension.h"

// One build of the fake extension library (tests/sim/fake_extension), loaded from beside
// the test program and unloaded at the end of the scope.
namespace sim {

// The builds, by DLL name.
namespace FakeExtension {
constexpr const char* Complete = "fake_extension";
constexpr const char* Without_AddCRCHook = "fake_extension_without_AddCRCHook";
constexpr const char* Without_New_Set_Model = "fake_extension_without_New_Set_Model";
constexpr const char* Without_NewAddObjectCreateHook = "fake_extension_without_NewAddObjectCreateHook";
constexpr const char* Without_GetExplosionObj_New_Enable_Stealth =
    "fake_extension_without_GetExplosionObj_New_Enable_Stealth";
constexpr const char* Without_Any = "fake_extension_without_any";
}  // namespace FakeExtension

class ExtensionLibrary {
 public:
  // Loads <dll_name>.dll; fails the process loudly when it is missing.
  explicit ExtensionLibrary(const char* dll_name);
  ~ExtensionLibrary();
  ExtensionLibrary(const ExtensionLibrary&) = delete;
  ExtensionLibrary& operator=(const ExtensionLibrary&) = delete;

  HMODULE Module() const { return module_; }
  // The export of that name, or null when this build lacks it.
  const void* Address(const char* name) const;
  // The object-create hooks registered now, in registration order.
  std::vector<FakeObjectCreateHook> Object_Create_Hooks() const;
  // Calls every registered hook for a newly created object, as the library does.
  void Object_Created(void* object) const;

 private:
  HMODULE module_ = nullptr;
};

}  // namespace sim
