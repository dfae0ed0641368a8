#include "tests/sim/loaded_plugin.h"

#include <cstdio>
#include <cstdlib>

namespace sim {

namespace {
template <class F>
void Resolve(HMODULE module, const char* name, F& function) {
  function = reinterpret_cast<F>(GetProcAddress(module, name));
  if (!function) {
    std::fprintf(stderr, "brakewater.dll lacks the export %s\n", name);
    std::abort();
  }
}
}  // namespace

std::string LoadedPlugin::Dll_Path() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string directory(path);
  directory.erase(directory.find_last_of("\\/") + 1);
  return directory + "brakewater.dll";
}

bool LoadedPlugin::Load() {
  const std::string path = Dll_Path();
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::fprintf(stderr, "%s is missing: build it first\n", path.c_str());
    std::abort();
  }
  module_ = LoadLibraryA(path.c_str());
  if (!module_) return false;
  Resolve(module_, "SSGM_Check_Version", exports_.SSGM_Check_Version);
  Resolve(module_, "SSGM_Plugin_Load", exports_.SSGM_Plugin_Load);
  Resolve(module_, "Set_Script_Commands", exports_.Set_Script_Commands);
  Resolve(module_, "Set_Request_Destroy_Func", exports_.Set_Request_Destroy_Func);
  Resolve(module_, "Create_Script", exports_.Create_Script);
  Resolve(module_, "SSGM_Level_Loaded_Hook", exports_.SSGM_Level_Loaded_Hook);
  Resolve(module_, "SSGM_Plugin_Unload", exports_.SSGM_Plugin_Unload);
  Resolve(module_, "DllMain", exports_.DllMain);
  return true;
}

void LoadedPlugin::Unload() {
  if (module_) FreeLibrary(module_);
  module_ = nullptr;
  exports_ = {};
}

}  // namespace sim
