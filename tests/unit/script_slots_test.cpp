// The script's virtual table as the host sees it: 26 slots in the host's order, each
// removing exactly its own arguments (thiscall), slot 0 the deleting destructor.
#include <cstring>

#include "tests/sim/script_slot_drive.h"
#include "tests/sim/script_slots.h"
#include "tests/unit/script_test_support.h"

namespace script_test {
namespace {

// The slot a virtual member function occupies: g++ encodes a pointer to a virtual member
// function as 1 + its byte offset in the virtual table.
template <class Member>
int Slot_Of(Member member) {
  static_assert(sizeof(Member) == 2 * sizeof(uintptr_t), "pointer and adjustment");
  uintptr_t words[2];
  std::memcpy(words, &member, sizeof words);
  return (words[0] & 1) ? static_cast<int>((words[0] - 1) / sizeof(void*)) : -1;
}

TEST(ScriptSlots, EveryVirtualSitsAtTheHostsPosition) {
  using S = ScriptImpClass;
  const int positions[] = {
      Slot_Of(&S::Destroy),           Slot_Of(&S::Get_Script_Name),   Slot_Of(&S::Attach_To_Object),
      Slot_Of(&S::Detach_From_Object), Slot_Of(&S::On_Created),        Slot_Of(&S::Event_5),
      Slot_Of(&S::On_Killed),         Slot_Of(&S::On_Damaged),        Slot_Of(&S::Event_8),
      Slot_Of(&S::Event_9),           Slot_Of(&S::Event_10),          Slot_Of(&S::Event_11),
      Slot_Of(&S::On_Timer_Expired),  Slot_Of(&S::Event_13),          Slot_Of(&S::Event_14),
      Slot_Of(&S::Event_15),          Slot_Of(&S::Event_16),          Slot_Of(&S::Get_Owner),
      Slot_Of(&S::Get_Owner_Address), Slot_Of(&S::Set_Parameter_Text), Slot_Of(&S::Get_Parameter_Text),
      Slot_Of(&S::Save_State),        Slot_Of(&S::Load_State),        Slot_Of(&S::Event_23),
      Slot_Of(&S::Event_24),          Slot_Of(&S::On_Constructed),
  };
  static_assert(std::size(positions) == sim::slot::Count);
  for (int i = 0; i < sim::slot::Count; ++i) EXPECT_EQ(positions[i], i) << "virtual number " << i << " in host order";
}

using SlotDriveTest = ScriptTest;

// Every slot called by position with the host's arguments, on a class that overrides
// the four events and on one that overrides nothing. The overrides see exactly the four
// events the host delivered at their positions and nothing from the slots between them.
TEST_F(SlotDriveTest, EverySlotByPositionThenSlotZeroGivesTheMemoryBack) {
  DestroyRequestCallback = reinterpret_cast<DestroyRequestFunction>(&sim::Record_Destroy_Request);
  sim::GameObjectRecord& object = New_Object();
  const std::string id = std::to_string(object.Id);
  for (const char* name : {"Probe_Script", "bare_script"}) {
    SCOPED_TRACE(name);
    sim::Clear_Events();
    const uint64_t mark = Memory().Mark();
    void* script = Create_Registered_Script(name);
    ASSERT_NE(script, nullptr);
    sim::Drive_Every_Slot(script, name, object);
    EXPECT_TRUE(Memory().Live_Since(mark).empty()) << "slot 0 with flag 1 left blocks behind";
    const std::vector<std::string> expected =
        name == std::string("Probe_Script")
            ? std::vector<std::string>{"probe: created on " + id, "probe: killed on " + id + " by none",
                                       "probe: damaged on " + id + " by none", "probe: timer 99 on " + id}
            : std::vector<std::string>{};
    EXPECT_EQ(sim::Events(), expected);
  }
}

TEST_F(SlotDriveTest, SlotZeroWithoutFlagDestroysButKeepsTheMemory) {
  void* script = Create_Registered_Script("bare_script");
  ASSERT_NE(script, nullptr);
  auto* imp = static_cast<ScriptImpClass*>(script);
  imp->Set_Parameter_Text("one,two");
  imp->Register_Auto_Save_Variable(&imp->ObserverWord, 4, 1);
  const std::vector<void*> owned = {imp->Parameters, imp->Parameters[0], imp->Parameters[1], imp->AutoSaveList};

  EXPECT_EQ(sim::Call_Slot<void*>(script, sim::slot::Destroy, uint32_t{0}), script);
  for (size_t i = 0; i < owned.size(); ++i) EXPECT_FALSE(Memory().Is_Live(owned[i])) << "owned block " << i;
  EXPECT_TRUE(Memory().Is_Live(script)) << "the script's own memory stays with the caller";
  Host_Release(script);
}

}  // namespace
}  // namespace script_test
