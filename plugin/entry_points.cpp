// The library's exports other than DllMain: cdecl, undecorated (see brakewater.def).
#include "host/command_table.h"
#include "host/extension_binding.h"
#include "host/framework_records.h"
#include "plugin/plugin_lifecycle.h"

namespace {
constexpr const char* PluginName = "vantor's anti brakewater plug-in";
constexpr const char* PluginVersion = "1.0";
constexpr const char* FrameworkVersion = "2.0.2";
}  // namespace

extern "C" {

bool SSGM_Check_Version(void* /*unused*/, PluginInfo* info) {
  info->FrameworkVersion.Assign(FrameworkVersion);
  info->Flag92 = 0;
  return true;
}

void SSGM_Plugin_Load(void* extension_module, FrameworkSettings* settings, FrameworkData* data, void* /*unused*/,
                      PluginInfo* info) {
  info->Name.Assign(PluginName);
  info->Version.Assign(PluginVersion);
  ExtensionModule = extension_module;
  Framework_Settings = settings;
  Framework_Data = data;
}

bool Set_Script_Commands(HostCommandTable** table_location) {
  // Recorded before the checks: a rejected table is still the one recorded.
  HostCommands = *table_location;
  if (HostCommands->Size != HostCommandTable::ExpectedSize || HostCommands->Version != HostCommandTable::ExpectedVersion)
    return false;
  Bind_Extension_Library();
  Start_Plugin();
  return true;
}

void SSGM_Level_Loaded_Hook() { Reset_For_Level(); }

void SSGM_Plugin_Unload() { Stop_Plugin(); }

}  // extern "C"
