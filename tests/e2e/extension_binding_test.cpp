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
#include "tests/sim/extension_library.h"
#include "tests/sim/framework_records.h"
#include "tests/sim/host_fixture.h"
#include "tests/sim/message_box_hook.h"

namespace sim {
namespace {

std::string Box_For(const std::string& name) {
  return "message box \"" + name + "\": Error getting function address from bhs.dll [flags 0x30, owner none]";
}

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

struct BindingCase {
  const char* library;
  std::vector<std::string> missing;  // in lookup order; empty with all_missing
  bool all_missing = false;

  bool Lacks(const std::string& name) const {
    return all_missing || std::find(missing.begin(), missing.end(), name) != missing.end();
  }
};

void PrintTo(const BindingCase& c, std::ostream* os) { *os << c.library; }

class ExtensionBindingTest : public ExtensionHostTest, public ::testing::WithParamInterface<BindingCase> {};

TEST_P(ExtensionBindingTest, ReplacesTheCommandWordsAndShowsOneBoxPerMissingName) {
  const BindingCase& c = GetParam();
  ASSERT_TRUE(Hand_Over(c.library)) << c.library << ": a missing name does not reject the table";

  std::vector<std::string> expected_boxes;
  for (const ExtensionExport& e : ExtensionExports)
    if (c.all_missing) expected_boxes.push_back(Box_For(e.name));
  for (const std::string& name : c.missing) expected_boxes.push_back(Box_For(name));
  EXPECT_EQ(Message_Box_Events(), expected_boxes) << c.library;

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
    ::testing::Values(BindingCase{FakeExtension::Complete, {}},
                      BindingCase{FakeExtension::Without_AddCRCHook, {"AddCRCHook"}},
                      BindingCase{FakeExtension::Without_New_Set_Model, {"New_Set_Model"}},
                      BindingCase{FakeExtension::Without_NewAddObjectCreateHook, {"NewAddObjectCreateHook"}},
                      BindingCase{FakeExtension::Without_GetExplosionObj_New_Enable_Stealth,
                                  {"New_Enable_Stealth", "GetExplosionObj"}},
                      BindingCase{FakeExtension::Without_Any, {}, true}),
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
