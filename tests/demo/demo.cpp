// Loads brakewater.dll into the simulated server the way the server does, and tells what
// happens at each step.
#include <cstdio>
#include <string>

#include "tests/sim/command_table.h"
#include "tests/sim/console_capture.h"
#include "tests/sim/event_log.h"
#include "tests/sim/extension_library.h"
#include "tests/sim/message_box_hook.h"
#include "tests/sim/framework_records.h"
#include "tests/sim/host_image.h"
#include "tests/sim/loaded_plugin.h"
#include "tests/sim/tracking_allocator.h"

using namespace sim;

namespace {

void Show(const char* label, HostStringAt text) {
  std::printf("  %-26s \"%s\" (%s, length %u, capacity %u)\n", label, text.Text().c_str(),
              text.Is_Inline() ? "inline" : "host buffer", text.Length(), text.Capacity());
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  const Build build = Build::First;
  std::printf("Simulated server: build %d, signature at 0x%08X\n", int(build), Addresses_Of(build)->signature);
  Install_Build(build);

  LoadedPlugin plugin;
  std::printf("Loading %s\n", LoadedPlugin::Dll_Path().c_str());
  if (!plugin.Load()) {
    std::printf("The plug-in refused to load.\n");
    return 1;
  }
  std::printf("  loaded: the server build was recognised\n");

  PluginInfoRecord info;
  FrameworkSettingsRecord settings;
  FrameworkDataRecord data;
  data.Set_Section_Name("C&C_Field.mix");
  std::printf("SSGM_Check_Version -> %s\n", plugin.Call().SSGM_Check_Version(nullptr, info.bytes) ? "true" : "false");
  // The server's extension library, loaded by the server before its plug-ins.
  ExtensionLibrary extension(FakeExtension::Complete);
  Record_Message_Boxes();
  plugin.Call().SSGM_Plugin_Load(extension.Module(), settings.bytes, data.bytes, nullptr, info.bytes);
  std::printf("SSGM_Plugin_Load wrote into PluginInfo:\n");
  Show("name (offset 4):", info.Name());
  Show("version (offset 36):", info.Version());
  Show("framework version (64):", info.Framework_Version());
  std::printf("  %-26s %u\n", "byte 92:", info.Flag92());

  CommandTableRecord table;
  void* location = &table;
  table.words[1] = 175;
  std::printf("Set_Script_Commands with version 175 -> %s\n",
              plugin.Call().Set_Script_Commands(&location) ? "accepted" : "rejected");
  table.words[1] = 174;
  std::printf("Set_Script_Commands with size 816, version 174 -> %s\n",
              plugin.Call().Set_Script_Commands(&location) ? "accepted" : "rejected");
  const int replaced = [&] {
    int count = 0;
    for (uint32_t word = 2; word < CommandTableRecord::Words; ++word)
      count += table.Get(word) != CommandTableRecord::Dummy(word);
    return count;
  }();
  std::printf("  the extension library now serves %d command-table entries; message boxes: %zu\n", replaced,
              Message_Box_Events().size());

  for (const std::string& event : Events()) std::printf("  host saw: %s\n", event.c_str());
  plugin.Call().SSGM_Plugin_Unload();
  plugin.Unload();
  std::printf("Unloaded. Faulty releases seen by the host allocator: %zu\n",
              TrackingAllocator::Instance().Faulty_Releases().size());
  return 0;
}
