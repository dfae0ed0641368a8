#include "tests/sim/extension_binding_cases.h"

#include <algorithm>

#include "tests/sim/extension_library.h"

namespace sim {

namespace {
std::string Box_For(const std::string& name) {
  return "message box \"" + name + "\": Error getting function address from bhs.dll [flags 0x30, owner none]";
}
}  // namespace

bool BindingCase::Lacks(const std::string& name) const {
  return all_missing || std::find(missing.begin(), missing.end(), name) != missing.end();
}

std::vector<std::string> BindingCase::Expected_Boxes() const {
  std::vector<std::string> boxes;
  if (all_missing)
    for (const ExtensionExport& e : ExtensionExports) boxes.push_back(Box_For(e.name));
  for (const std::string& name : missing) boxes.push_back(Box_For(name));
  return boxes;
}

const std::vector<BindingCase> BindingCases = {
    {FakeExtension::Complete, {}},
    {FakeExtension::Without_AddCRCHook, {"AddCRCHook"}},
    {FakeExtension::Without_New_Set_Model, {"New_Set_Model"}},
    {FakeExtension::Without_NewAddObjectCreateHook, {"NewAddObjectCreateHook"}},
    {FakeExtension::Without_GetExplosionObj_New_Enable_Stealth, {"New_Enable_Stealth", "GetExplosionObj"}},
    {FakeExtension::Without_Any, {}, true},
};

}  // namespace sim
