// Binding the host's extension library, seen from the host: the command-table words the
// plug-in replaces with the library's functions, and the message boxes for missing names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/sim/command_table.h"
#include "tests/sim/extension_binding_cases.h"
#include "tests/sim/extension_library.h"
#include "tests/sim/framework_records.h"
#include "tests/sim/host_fixture.h"
#include "tests/sim/message_box_hook.h"

namespace sim {
namespace {

class ExtensionHostTest : public HostTest {
 protected:
  void SetUp() override {
    Record_Message_Boxes();
    ASSERT_TRUE(Load_Into(Build::First));
  }

  // SSGM_Plugin_Load with the library's handle, then Set_Script_Commands with table_.
  bool Hand_Over(const char* library_name) {
    library_.emplace(library_name);
    Call().SSGM_Plugin_Load(library_->Module(), settings_.bytes, data_.bytes, nullptr, info_.bytes);
    Clear_Events();
    void* location = &table_;
    return Call().Set_Script_Commands(&location);
  }

  // Outlives the plug-in, which is unloaded in TearDown.
  std::optional<ExtensionLibrary> library_;
  PluginInfoRecord info_;
  FrameworkSettingsRecord settings_;
  FrameworkDataRecord data_;
  CommandTableRecord table_;
};

class ExtensionBindingTest : public ExtensionHostTest, public ::testing::WithParamInterface<BindingCase> {};

TEST_P(ExtensionBindingTest, ReplacesTheCommandWordsAndShowsOneBoxPerMissingName) {
  const BindingCase& c = GetParam();
  ASSERT_TRUE(Hand_Over(c.library)) << c.library << ": a missing name does not reject the table";

  EXPECT_EQ(Message_Box_Events(), c.Expected_Boxes()) << c.library;

  // The 33 replaced words lead into the library, or are null where it lacks the name; every
  // other word still holds the host's own function.
  std::vector<bool> replaced(CommandTableRecord::Words);
  uint32_t replacing = 0;
  for (const ExtensionExport& e : ExtensionExports) {
    if (!e.command_offset) continue;
    const uint32_t word = e.command_offset / 4;
    replaced[word] = true;
    ++replacing;
    const void* expected = c.Lacks(e.name) ? nullptr : library_->Address(e.name);
    if (!c.Lacks(e.name)) {
      ASSERT_NE(expected, nullptr) << c.library << " should export " << e.name;
    }
    EXPECT_EQ(table_.Get(word), expected) << c.library << ": " << e.name << " at word " << word;
  }
  EXPECT_EQ(replacing, 33u);
  EXPECT_EQ(table_.words[0], 816u);
  EXPECT_EQ(table_.words[1], 174u);
  for (uint32_t word = 2; word < CommandTableRecord::Words; ++word) {
    if (!replaced[word]) {
      EXPECT_EQ(table_.Get(word), CommandTableRecord::Dummy(word)) << c.library << ", word " << word;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    EachLibraryBuild, ExtensionBindingTest,
    ::testing::ValuesIn(BindingCases),
    [](const auto& info) { return std::string(info.param.library); });

TEST_F(ExtensionHostTest, RejectedTableBindsNothing) {
  const uint32_t headers[][2] = {{816, 175}, {820, 174}};
  for (size_t i = 0; i < std::size(headers); ++i) {
    table_.words[0] = headers[i][0];
    table_.words[1] = headers[i][1];
    const CommandTableRecord before = table_;
    library_.reset();
    EXPECT_FALSE(Hand_Over(FakeExtension::Without_AddCRCHook)) << "case " << i;
    EXPECT_EQ(Message_Box_Events(), std::vector<std::string>{}) << "case " << i;
    EXPECT_EQ(std::memcmp(&before, &table_, sizeof table_), 0) << "case " << i << ": the table is left alone";
  }
}

}  // namespace
}  // namespace sim
