#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

// brakewater.dll loaded into the simulated host the way the server loads it, reached only
// through its exports.
namespace sim {

struct Exports {
  bool(__attribute__((cdecl)) * SSGM_Check_Version)(void* unused, void* plugin_info);
  void(__attribute__((cdecl)) * SSGM_Plugin_Load)(void* extension_module, void* settings, void* data, void* unused,
                                                  void* plugin_info);
  bool(__attribute__((cdecl)) * Set_Script_Commands)(void* table_location);
  void(__attribute__((cdecl)) * Set_Request_Destroy_Func)(void* callback);
  void*(__attribute__((cdecl)) * Create_Script)(const char* name);
  void(__attribute__((cdecl)) * SSGM_Level_Loaded_Hook)();
  void(__attribute__((cdecl)) * SSGM_Plugin_Unload)();
  BOOL(WINAPI* DllMain)(HINSTANCE, DWORD, LPVOID);
};

class LoadedPlugin {
 public:
  // The DLL under test: brakewater.dll beside the test program.
  static std::string Dll_Path();

  LoadedPlugin() = default;
  ~LoadedPlugin() { Unload(); }
  LoadedPlugin(const LoadedPlugin&) = delete;
  LoadedPlugin& operator=(const LoadedPlugin&) = delete;

  // Loads the library; false when the load was refused. Fails the process loudly when the
  // library is missing or lacks an export.
  bool Load();
  void Unload();
  bool Is_Loaded() const { return module_ != nullptr; }
  HMODULE Module() const { return module_; }
  const Exports& Call() const { return exports_; }

 private:
  HMODULE module_ = nullptr;
  Exports exports_ = {};
};

}  // namespace sim
