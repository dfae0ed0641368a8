// Host build detection against the simulated host image, linked directly. Each test runs
// in a process of its own (see tests/CMakeLists.txt), since detection runs once per load.
#include <gtest/gtest.h>

#include "engine/host_allocator.h"
#include "engine/host_build.h"
#include "engine/host_entry_table.h"
#include "tests/sim/host_image.h"
#include "tests/sim/host_routines.h"
#include "tests/sim/tracking_allocator.h"

namespace {

uint32_t Address(const void* entry) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(entry)); }

struct ExpectedRow {
  sim::Build build;
  int32_t host_build;
  uint32_t host_new, host_delete, console, sse_flag, find_definition, get_player_value, find_player,
      team_purchase_entry, purchase_list, load_ini, release_ini, ini_get_float;
};

// The host's addresses per build, written out once more here as the expected outcome.
const ExpectedRow Rows[] = {
    {sim::Build::First, 0, 0x00672B70, 0x00672C80, 0x004287E0, 0x0084F702, 0x00526860, 0x00408280, 0x004157E0,
     0x006F3430, 0x006F2BD0, 0x006DAB30, 0x006DABE0, 0x005E1670},
    {sim::Build::Second, 1, 0x00672410, 0x00672520, 0x00428960, 0x0084E8EA, 0x00526100, 0x00408280, 0x004157E0,
     0x006F29F0, 0x006F2190, 0x006DA3D0, 0x006DA480, 0x005E0F10},
    {sim::Build::Third, 4, 0x007A783D, 0x007A7866, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {sim::Build::Unknown, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
};

class DetectionRowTest : public ::testing::TestWithParam<ExpectedRow> {};

TEST_P(DetectionRowTest, FillsTheBuildsRow) {
  const ExpectedRow& row = GetParam();
  sim::Install_Build(row.build);
  Detect_Host_Build();
  EXPECT_EQ(HostBuild, row.host_build);
  const HostEntryTable& e = HostEntries;
  EXPECT_EQ(Address(reinterpret_cast<void*>(e.Host_New)), row.host_new);
  EXPECT_EQ(Address(reinterpret_cast<void*>(e.Host_New_Array)), row.host_new);
  EXPECT_EQ(Address(reinterpret_cast<void*>(e.Host_Delete)), row.host_delete);
  EXPECT_EQ(Address(reinterpret_cast<void*>(e.Host_Delete_Array)), row.host_delete);
  EXPECT_EQ(Address(reinterpret_cast<void*>(e.Run_Console_Command)), row.console);
  EXPECT_EQ(Address(const_cast<uint8_t*>(e.Host_SSE_Flag)), row.sse_flag);
  EXPECT_EQ(Address(reinterpret_cast<void*>(e.Find_Definition)), row.find_definition);
  EXPECT_EQ(Address(reinterpret_cast<void*>(e.Get_Player_Value)), row.get_player_value);
  EXPECT_EQ(Address(reinterpret_cast<void*>(e.Find_Player)), row.find_player);
  EXPECT_EQ(Address(reinterpret_cast<void*>(e.Get_Team_Purchase_Entry)), row.team_purchase_entry);
  EXPECT_EQ(Address(reinterpret_cast<void*>(e.Get_Purchase_List)), row.purchase_list);
  EXPECT_EQ(Address(reinterpret_cast<void*>(e.Load_INI)), row.load_ini);
  EXPECT_EQ(Address(reinterpret_cast<void*>(e.Release_INI)), row.release_ini);
  EXPECT_EQ(Address(reinterpret_cast<void*>(e.INI_Get_Float)), row.ini_get_float);
}

INSTANTIATE_TEST_SUITE_P(EachBuild, DetectionRowTest, ::testing::ValuesIn(Rows),
                         [](const auto& info) { return "Build" + std::to_string(info.param.host_build); });

TEST(Detection, LaterSignatureWinsWhenTwoMatch) {
  sim::Install_Build(sim::Build::First);
  // The host also carries the third build's signature and allocator routines.
  const sim::BuildAddresses& third = *sim::Addresses_Of(sim::Build::Third);
  sim::Write_Signature(third.signature);
  sim::Write_Jump(third.host_new, reinterpret_cast<const void*>(&sim::Host_New));
  sim::Write_Jump(third.host_delete, reinterpret_cast<const void*>(&sim::Host_Delete));
  Detect_Host_Build();
  EXPECT_EQ(HostBuild, 4);
  EXPECT_EQ(Address(reinterpret_cast<void*>(HostEntries.Host_New)), 0x007A783Du);
  EXPECT_EQ(HostEntries.Run_Console_Command, nullptr);
}

TEST(Detection, AllocationBeforeProcessAttachDetectsAndAttachDoesNotDetectAgain) {
  sim::Install_Build(sim::Build::First);
  // An allocation made during static initialisation finds the entry empty and detects;
  // detection builds the two vector math tables before the block itself is served.
  const uint64_t mark = sim::TrackingAllocator::Instance().Mark();
  void* block = Host_Allocate(12);
  EXPECT_EQ(HostBuild, 0);
  EXPECT_TRUE(sim::TrackingAllocator::Instance().Is_Live(block));
  const std::vector<sim::Block> blocks = sim::TrackingAllocator::Instance().Live_Since(mark);
  ASSERT_EQ(blocks.size(), 3u) << "two vector tables, then the block asked for";
  EXPECT_EQ(blocks.back().address, reinterpret_cast<uintptr_t>(block));

  // Process attach comes later and finds the build recognised: it must not detect again,
  // or it would now see the second build's signature.
  sim::Write_Signature(sim::Addresses_Of(sim::Build::Second)->signature);
  if (HostBuild == HOST_BUILD_UNRECOGNISED) Detect_Host_Build();  // what DllMain does
  Detect_Host_Build();                                             // a direct second call, too
  EXPECT_EQ(HostBuild, 0);
  EXPECT_EQ(Address(reinterpret_cast<void*>(HostEntries.Host_New)), 0x00672B70u);
  Host_Release(block);
  EXPECT_FALSE(sim::TrackingAllocator::Instance().Is_Live(block));
}

TEST(Detection, UnknownHostAllocatesNothingAndCallsNoEmptyEntry) {
  sim::Install_Build(sim::Build::Unknown);
  EXPECT_EQ(Host_Allocate(8), nullptr);
  EXPECT_EQ(Host_Allocate_Array(8), nullptr);
  Host_Release(reinterpret_cast<void*>(0x1234));  // must not call through the empty entry
  EXPECT_EQ(HostBuild, HOST_BUILD_UNRECOGNISED);
  EXPECT_TRUE(Host_Build_Detection_Has_Run());
}

}  // namespace
