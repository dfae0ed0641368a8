// The extension binding against builds of the fake extension library, linked directly, so
// that the kept pointers, which the host cannot see, can be inspected through the table.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "host/command_table.h"
#include "host/extension_binding.h"
#include "host/extension_functions.h"
#include "host/framework_records.h"
#include "tests/sim/command_table.h"
#include "tests/sim/event_log.h"
#include "tests/sim/extension_binding_cases.h"
#include "tests/sim/extension_library.h"
#include "tests/sim/message_box_hook.h"

namespace {

using sim::BindingCase;

// Stands in a kept pointer before binding, so that a pointer left unwritten shows.
void* const Unwritten = reinterpret_cast<void*>(0xDEADBEEF);

// The binding's inputs as Set_Script_Commands leaves them: a recorded command table and the
// handle that SSGM_Plugin_Load kept.
class BindingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::Record_Message_Boxes();
    sim::Clear_Events();
    HostCommands = reinterpret_cast<HostCommandTable*>(&table_);
  }
  void TearDown() override {
    HostCommands = nullptr;
    ExtensionModule = nullptr;
  }

  sim::CommandTableRecord table_;
};

class ExtensionBindingTest : public BindingTest, public ::testing::WithParamInterface<BindingCase> {};

TEST_P(ExtensionBindingTest, FillsEveryDestinationAndReportsEachMissingNameInOrder) {
  const BindingCase& c = GetParam();
  sim::ExtensionLibrary library(c.library);
  ExtensionModule = library.Module();
  for (const ExtensionFunction& f : ExtensionFunctions)
    if (f.Kept) *f.Kept = Unwritten;

  Bind_Extension_Library();

  EXPECT_EQ(sim::Message_Box_Events(), c.Expected_Boxes()) << c.library;

  for (size_t i = 0; i < std::size(ExtensionFunctions); ++i) {
    const ExtensionFunction& f = ExtensionFunctions[i];
    const void* expected = c.Lacks(f.Name) ? nullptr : library.Address(f.Name);
    if (!c.Lacks(f.Name)) {
      ASSERT_NE(expected, nullptr) << c.library << " should export " << f.Name;
    }
    const void* got = f.Kept ? *f.Kept : table_.Get(f.CommandWord);
    EXPECT_EQ(got, expected) << c.library << ", row " << i << ": " << f.Name;
  }

  // No other word of the command table is touched.
  std::vector<bool> replaced(sim::CommandTableRecord::Words);
  for (const ExtensionFunction& f : ExtensionFunctions)
    if (!f.Kept) replaced[f.CommandWord] = true;
  EXPECT_EQ(table_.words[0], 816u);
  EXPECT_EQ(table_.words[1], 174u);
  for (uint32_t word = 2; word < sim::CommandTableRecord::Words; ++word) {
    if (!replaced[word]) {
      EXPECT_EQ(table_.Get(word), sim::CommandTableRecord::Dummy(word)) << c.library << ", word " << word;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EachLibraryBuild, ExtensionBindingTest, ::testing::ValuesIn(sim::BindingCases),
                         [](const auto& info) { return std::string(info.param.library); });

// The one function the plug-in calls reaches the library with the record itself, and the
// library calls the hook through that record until it is removed.
struct HookCall {
  void* data;
  void* object;
};
std::vector<HookCall> Hook_Calls;
void __attribute__((cdecl)) Record_Hook_Call(void* data, void* object) { Hook_Calls.push_back({data, object}); }

TEST_F(BindingTest, BoundObjectCreateHookRegistersTheRecordItself) {
  sim::ExtensionLibrary library(sim::FakeExtension::Complete);
  ExtensionModule = library.Module();
  Bind_Extension_Library();
  ASSERT_NE(Bound_NewAddObjectCreateHook(), nullptr);

  int data_word = 0, object = 0;
  void* record[2] = {reinterpret_cast<void*>(&Record_Hook_Call), &data_word};
  const int32_t registration = Bound_NewAddObjectCreateHook()(record);
  const std::vector<sim::FakeObjectCreateHook> hooks = library.Object_Create_Hooks();
  ASSERT_EQ(hooks.size(), 1u);
  EXPECT_EQ(hooks[0].record, record);
  EXPECT_EQ(hooks[0].registration, registration);

  library.Object_Created(&object);
  ASSERT_EQ(Hook_Calls.size(), 1u);
  EXPECT_EQ(Hook_Calls[0].data, &data_word);
  EXPECT_EQ(Hook_Calls[0].object, &object);

  reinterpret_cast<void(__attribute__((cdecl)) *)(int32_t)>(Extension::NewRemoveObjectCreateHook)(registration);
  EXPECT_TRUE(library.Object_Create_Hooks().empty());
  library.Object_Created(&object);
  EXPECT_EQ(Hook_Calls.size(), 1u) << "a removed hook is not called";
}

}  // namespace
