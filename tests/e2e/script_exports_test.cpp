// Scripts of the loaded plug-in, seen from the host: Create_Script by name, every slot
// of every registered script called by position, destruction through slot 0, and the
// library's unload.
#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>

#include "tests/sim/chunk_recorder.h"
#include "tests/sim/command_table.h"
#include "tests/sim/extension_library.h"
#include "tests/sim/framework_records.h"
#include "tests/sim/game_object.h"
#include "tests/sim/host_fixture.h"
#include "tests/sim/script_commands.h"
#include "tests/sim/script_host.h"
#include "tests/sim/script_slot_drive.h"

namespace sim {
namespace {

// The names the plug-in offers the host.
const char* const Script_Names[] = {"vantor_combat_player", "vantor_block_refill", "DamagedSetter"};

// A started plug-in: framework records and the complete extension library handed over,
// the simulator's commands in the table, destroy requests recorded.
class ScriptExportsTest : public HostTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Load_Into(Build::First));
    table_.Set(27, reinterpret_cast<const void*>(&Get_Object_ID));
    Install_Script_Commands(table_);
    ScriptHost::Instance().Reset(Call().Create_Script);
    ScriptHost::Instance().Add_Host_Own_Script("MDB_SSGM_Block_Refill");
    ChunkRecorder::Instance().Reset();
    library_.emplace(FakeExtension::Complete);
    data_.Set_Section_Name("C&C_Field.mix");
    Call().SSGM_Check_Version(nullptr, info_.bytes);
    Call().SSGM_Plugin_Load(library_->Module(), settings_.bytes, data_.bytes, nullptr, info_.bytes);
    void* location = &table_;
    ASSERT_TRUE(Call().Set_Script_Commands(&location));
    Call().Set_Request_Destroy_Func(reinterpret_cast<void*>(&Record_Destroy_Request));
  }

  void TearDown() override {
    ScriptHost::Instance().Remove_All_Objects();
    Call().SSGM_Plugin_Unload();
    HostTest::TearDown();
  }

  // Outlive the plug-in, which HostTest::TearDown unloads.
  std::optional<ExtensionLibrary> library_;
  PluginInfoRecord info_;
  FrameworkSettingsRecord settings_;
  FrameworkDataRecord data_;
  CommandTableRecord table_;
  GameObjectRecord object_;
};

TEST_F(ScriptExportsTest, NamesNoFactoryCarriesAnswerNullAndAllocateNothing) {
  const char* const names[] = {nullptr, "", "no_such_script", "vantor_combat_player ", "MDB_SSGM_Block_Refill"};
  for (size_t i = 0; i < std::size(names); ++i) {
    const uint64_t mark = Allocator().Mark();
    EXPECT_EQ(Call().Create_Script(names[i]), nullptr) << "case " << i;
    EXPECT_EQ(Allocator().Allocations_Since(mark), 0u) << "case " << i;
  }
  // A later destroy-request function replaces the earlier one; null is taken as well.
  Call().Set_Request_Destroy_Func(reinterpret_cast<void*>(ScriptHost::Destroy_Request_Function()));
  Call().Set_Request_Destroy_Func(nullptr);
}

class EachScriptTest : public ScriptExportsTest, public ::testing::WithParamInterface<const char*> {};

// Created by name in another letter case, answered with the factory's own text, driven
// through every slot, then destroyed through slot 0: nothing of it stays behind.
TEST_P(EachScriptTest, EverySlotByPositionThenSlotZeroGivesAllMemoryBack) {
  const std::string name = GetParam();
  std::string requested = name;
  for (char& c : requested) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const uint64_t mark = Allocator().Mark();
  void* script = Call().Create_Script(requested.c_str());
  if (!script) GTEST_SKIP() << "no script is registered under \"" << name << "\" in brakewater.dll yet";
  EXPECT_TRUE(Allocator().Is_Live(script)) << "the script comes from the host allocator";

  Drive_Every_Slot(script, name.c_str(), object_);
  ScriptHost::Instance().Remove_All_Objects();  // scripts the events attached through the host
  const auto live = Allocator().Live_Since(mark);
  EXPECT_TRUE(live.empty()) << live.size() << " blocks left, the first of " << (live.empty() ? 0 : live[0].size)
                            << " bytes";
}

INSTANTIATE_TEST_SUITE_P(RegisteredNames, EachScriptTest, ::testing::ValuesIn(Script_Names),
                         [](const auto& info) { return std::string(info.param); });

TEST_F(HostTest, LibraryUnloadsCleanly) {
  ASSERT_TRUE(Load_Into(Build::First));
  EXPECT_EQ(Call().Create_Script("no_such_script"), nullptr);
  plugin_.Unload();
  EXPECT_EQ(GetModuleHandleA("brakewater.dll"), nullptr) << "the library is gone after FreeLibrary";
  EXPECT_TRUE(Allocator().Faulty_Releases().empty()) << "first faulty release: " << Allocator().Faulty_Releases().front();
}

}  // namespace
}  // namespace sim
