// Benchmark of the plug-in in the simulated server. Times are reported as ratios against
// a reference measured in the same run, since the machines are shared and noisy.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tests/sim/command_table.h"
#include "tests/sim/extension_library.h"
#include "tests/sim/fake_extension/exports.h"
#include "tests/sim/framework_records.h"
#include "tests/sim/host_image.h"
#include "tests/sim/loaded_plugin.h"
#include "tests/sim/message_box_hook.h"
#include "tests/sim/tracking_allocator.h"

using namespace sim;

namespace {

double Seconds_Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return double(counter.QuadPart) / double(frequency.QuadPart);
}

// Median time of one call of work, over rounds of many calls.
template <class Work>
double Median_Seconds(Work work, int calls_per_round, int rounds = 15) {
  std::vector<double> per_call;
  for (int round = 0; round < rounds; ++round) {
    const double start = Seconds_Now();
    for (int i = 0; i < calls_per_round; ++i) work();
    per_call.push_back((Seconds_Now() - start) / calls_per_round);
  }
  std::nth_element(per_call.begin(), per_call.begin() + rounds / 2, per_call.end());
  return per_call[rounds / 2];
}

}  // namespace

int main() {
  Install_Build(Build::First);
  Record_Message_Boxes();
  LoadedPlugin plugin;
  if (!plugin.Load()) {
    std::printf("the plug-in refused to load\n");
    return 1;
  }
  ExtensionLibrary extension(FakeExtension::Complete);
  PluginInfoRecord info;
  FrameworkSettingsRecord settings;
  FrameworkDataRecord data;
  plugin.Call().SSGM_Plugin_Load(extension.Module(), settings.bytes, data.bytes, nullptr, info.bytes);

  CommandTableRecord table;
  void* location = &table;
  const uint64_t mark = TrackingAllocator::Instance().Mark();
  plugin.Call().Set_Script_Commands(&location);
  const uint64_t allocations = TrackingAllocator::Instance().Allocations_Since(mark);

  // The reference does the same 115 look-ups in the same library and nothing else.
  volatile uintptr_t sink = 0;
  const double reference = Median_Seconds(
      [&] {
        for (const ExtensionExport& e : ExtensionExports) sink = sink + uintptr_t(GetProcAddress(extension.Module(), e.name));
      },
      200);
  const double accepted = Median_Seconds([&] { plugin.Call().Set_Script_Commands(&location); }, 200);

  std::printf("Set_Script_Commands (115 look-ups and the start): %.1f us, %.2f x the bare look-ups (%.1f us)\n",
              accepted * 1e6, accepted / reference, reference * 1e6);
  std::printf("host allocations per accepted Set_Script_Commands: %llu\n", (unsigned long long)allocations);
  plugin.Call().SSGM_Plugin_Unload();
  return 0;
}
