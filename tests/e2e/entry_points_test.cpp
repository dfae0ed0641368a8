// The framework handshake: the texts and bytes the plug-in writes into the host's records,
// and the command table check.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/sim/command_table.h"
#include "tests/sim/console_capture.h"
#include "tests/sim/extension_library.h"
#include "tests/sim/framework_records.h"
#include "tests/sim/host_fixture.h"
#include "tests/sim/host_routines.h"
#include "tests/sim/message_box_hook.h"

namespace sim {
namespace {

class EntryPointTest : public HostTest {
 protected:
  void SetUp() override { ASSERT_TRUE(Load_Into(Build::First)); }

  // Every byte of the record outside the given [offset, offset + size) ranges.
  static std::vector<uint8_t> Bytes_Outside(const PluginInfoRecord& info, std::vector<std::pair<int, int>> written) {
    std::vector<uint8_t> rest;
    for (int i = 0; i < int(sizeof info.bytes); ++i) {
      bool inside = false;
      for (auto [offset, size] : written) inside |= i >= offset && i < offset + size;
      if (!inside) rest.push_back(info.bytes[i]);
    }
    return rest;
  }
};

TEST_F(EntryPointTest, CheckVersionWritesTheFrameworkVersionInlineAndClearsByte92) {
  PluginInfoRecord info, untouched;
  const uint64_t mark = Allocator().Mark();
  EXPECT_TRUE(Call().SSGM_Check_Version(reinterpret_cast<void*>(0x1234), info.bytes));
  EXPECT_EQ(info.Framework_Version().Text(), "2.0.2");
  EXPECT_EQ(info.Framework_Version().Capacity(), 15u);
  EXPECT_EQ(info.Flag92(), 0);
  EXPECT_EQ(Allocator().Allocations_Since(mark), 0u);
  // Bytes 0-3 of the text object and everything else of the record stay as the host had them.
  const std::vector<std::pair<int, int>> written = {{PluginInfoRecord::FrameworkVersionOffset + 4, 24},
                                                    {PluginInfoRecord::Flag92Offset, 1}};
  EXPECT_EQ(Bytes_Outside(info, written), Bytes_Outside(untouched, written));
}

TEST_F(EntryPointTest, PluginLoadWritesTheNameOutOfLineAndTheVersionInline) {
  PluginInfoRecord info, untouched;
  const uint64_t mark = Allocator().Mark();
  Call().SSGM_Plugin_Load(nullptr, nullptr, nullptr, nullptr, info.bytes);

  EXPECT_EQ(info.Name().Text(), "vantor's anti brakewater plug-in");
  EXPECT_EQ(info.Name().Length(), 32u);
  EXPECT_GE(info.Name().Capacity(), 32u);
  const std::vector<Block> blocks = Allocator().Live_Since(mark);
  ASSERT_EQ(blocks.size(), 1u) << "the name is the only text that needs a buffer";
  EXPECT_EQ(reinterpret_cast<const char*>(blocks[0].address), info.Name().Buffer());
  EXPECT_GE(blocks[0].size, 33u);

  EXPECT_EQ(info.Version().Text(), "1.0");
  EXPECT_TRUE(info.Version().Is_Inline());
  const std::vector<std::pair<int, int>> written = {{PluginInfoRecord::NameOffset + 4, 24},
                                                    {PluginInfoRecord::VersionOffset + 4, 24}};
  EXPECT_EQ(Bytes_Outside(info, written), Bytes_Outside(untouched, written));
}

TEST_F(EntryPointTest, PluginLoadReleasesAPreviousOutOfLineBufferAndReusesOneThatFits) {
  PluginInfoRecord info;
  // The host already holds an out-of-line name shorter than the plug-in's.
  char* previous = static_cast<char*>(Host_New(22));
  std::strcpy(previous, "an older plug-in name");
  uint32_t words[] = {reinterpret_cast<uintptr_t>(previous), 21, 21};
  std::memcpy(info.bytes + PluginInfoRecord::NameOffset + 4, &words[0], 4);
  std::memcpy(info.bytes + PluginInfoRecord::NameOffset + 20, &words[1], 8);

  Call().SSGM_Plugin_Load(nullptr, nullptr, nullptr, nullptr, info.bytes);
  EXPECT_FALSE(Allocator().Is_Live(previous)) << "the older buffer goes back to the host allocator";
  EXPECT_EQ(info.Name().Text(), "vantor's anti brakewater plug-in");

  // A second load finds a buffer large enough and writes in place.
  const char* buffer = info.Name().Buffer();
  const uint64_t mark = Allocator().Mark();
  Call().SSGM_Plugin_Load(nullptr, nullptr, nullptr, nullptr, info.bytes);
  EXPECT_EQ(info.Name().Buffer(), buffer);
  EXPECT_EQ(Allocator().Allocations_Since(mark), 0u);
}

struct TableCase {
  uint32_t size, version;
  bool accepted;
};

class CommandTableCheckTest : public EntryPointTest, public ::testing::WithParamInterface<TableCase> {};

TEST_P(CommandTableCheckTest, AcceptsOnlySize816Version174) {
  const TableCase& c = GetParam();
  PluginInfoRecord info;
  FrameworkSettingsRecord settings;
  FrameworkDataRecord data;
  ExtensionLibrary extension(FakeExtension::Complete);
  Record_Message_Boxes();
  Call().SSGM_Plugin_Load(extension.Module(), settings.bytes, data.bytes, nullptr, info.bytes);

  CommandTableRecord table;
  table.words[0] = c.size;
  table.words[1] = c.version;
  const CommandTableRecord before = table;
  void* location = &table;
  Clear_Events();
  ConsoleCapture console;
  const bool result = Call().Set_Script_Commands(&location);
  const std::string output = console.Finish();
  EXPECT_EQ(result, c.accepted) << "size " << c.size << ", version " << c.version;
  EXPECT_TRUE(Message_Box_Events().empty()) << "first box: " << Message_Box_Events().front();
  if (!c.accepted) {
    EXPECT_EQ(output, "") << "a rejected table is rejected silently";
    EXPECT_TRUE(Events().empty()) << "first event: " << Events().front();
    EXPECT_EQ(std::memcmp(&before, &table, sizeof table), 0) << "a rejected table is left alone";
  }
}

INSTANTIATE_TEST_SUITE_P(Tables, CommandTableCheckTest,
                         ::testing::Values(TableCase{816, 174, true}, TableCase{816, 175, false},
                                           TableCase{816, 173, false}, TableCase{820, 174, false},
                                           TableCase{0, 0, false}));

}  // namespace
}  // namespace sim
