#pragma once
#include <gtest/gtest.h>

#include "tests/sim/event_log.h"
#include "tests/sim/host_image.h"
#include "tests/sim/loaded_plugin.h"
#include "tests/sim/tracking_allocator.h"

namespace sim {

// A simulated server of a chosen build with brakewater.dll loaded into it. Every test on
// it runs under the guard-page allocator and fails on any double or unknown release.
class HostTest : public ::testing::Test {
 protected:
  // Lays out the build, then loads the library; answers whether the load succeeded.
  bool Load_Into(Build build, uint8_t sse_flag = 0) {
    Install_Build(build, sse_flag);
    Clear_Events();
    load_mark_ = Allocator().Mark();
    return plugin_.Load();
  }

  void TearDown() override {
    plugin_.Unload();
    EXPECT_TRUE(Allocator().Faulty_Releases().empty())
        << "first faulty release: " << Allocator().Faulty_Releases().front();
    Allocator().Forget_Faulty_Releases();
  }

  static TrackingAllocator& Allocator() { return TrackingAllocator::Instance(); }
  const Exports& Call() const { return plugin_.Call(); }

  LoadedPlugin plugin_;
  uint64_t load_mark_ = 0;
};

}  // namespace sim
