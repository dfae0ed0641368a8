#include "tests/sim/script_slot_drive.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

#include "tests/sim/chunk_recorder.h"
#include "tests/sim/script_slots.h"
#include "tests/sim/thiscall_probe.h"
#include "tests/sim/tracking_allocator.h"

namespace sim {

namespace {

uint32_t Word(const void* pointer) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer)); }

uint32_t Float_Bits(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// Calls one slot with the host's arguments, checking that the callee removes them.
uint32_t Call(void* script, int position, std::initializer_list<uint32_t> arguments) {
  EXPECT_EQ(arguments.size(), SlotArgumentCount[position]) << "the drive passes slot " << position << " a wrong count";
  int32_t left = 0;
  const uint32_t answer = Call_Thiscall_Measuring_Stack(Slot_Function(script, position), script, arguments.begin(),
                                                        static_cast<uint32_t>(arguments.size()), &left);
  EXPECT_EQ(left, 0) << "slot " << position << " takes " << arguments.size() << " stack arguments, but left " << left
                     << " bytes on the stack (negative: removed too many)";
  return answer;
}

// A text in its own guard-page block, so that reading past its end faults.
char* Guarded_Text(const char* text) {
  const uint32_t size = static_cast<uint32_t>(std::strlen(text)) + 1;
  auto* copy = static_cast<char*>(TrackingAllocator::Instance().Allocate(size));
  std::memcpy(copy, text, size);
  return copy;
}

}  // namespace

std::vector<void*>& Recorded_Destroy_Requests() {
  static std::vector<void*> requests;
  return requests;
}

void Record_Destroy_Request(void* script) { Recorded_Destroy_Requests().push_back(script); }

void Drive_Every_Slot(void* script, const char* expected_name, GameObjectRecord& object) {
  TrackingAllocator& memory = TrackingAllocator::Instance();
  ChunkRecorder& chunks = ChunkRecorder::Instance();
  Recorded_Destroy_Requests().clear();
  const uint32_t object_word = Word(&object);

  Call(script, slot::On_Constructed, {});
  const auto* name = reinterpret_cast<const char*>(Call(script, slot::Get_Script_Name, {}));
  EXPECT_STREQ(name, expected_name) << "slot 1 answers the factory's name";

  char* text = Guarded_Text("ab,cd");
  Call(script, slot::Set_Parameter_Text, {Word(text)});
  memory.Release(text);
  auto* buffer = static_cast<char*>(memory.Allocate(6));
  Call(script, slot::Get_Parameter_Text, {Word(buffer), 5});
  EXPECT_STREQ(buffer, "ab,cd") << "slot 20 joins what slot 19 split";
  memory.Release(buffer);

  Call(script, slot::Attach_To_Object, {object_word});
  EXPECT_EQ(Call(script, slot::Get_Owner, {}), object_word) << "slot 17 answers the object of slot 2";
  auto* owner_address = reinterpret_cast<void**>(Call(script, slot::Get_Owner_Address, {}));
  EXPECT_EQ(*owner_address, &object) << "slot 18 answers where the owner is kept";

  Call(script, slot::On_Created, {object_word});
  Call(script, 5, {5});
  Call(script, slot::On_Killed, {object_word, 0});
  Call(script, slot::On_Damaged, {object_word, 0, Float_Bits(1.0f)});
  Call(script, 8, {1, 2, 3, 4});
  Call(script, 9, {1, 2});
  Call(script, 10, {1, 2});
  Call(script, 11, {1, 2, 3});
  Call(script, slot::On_Timer_Expired, {object_word, 99});
  for (int position = 13; position <= 16; ++position) Call(script, position, {1, 2});

  chunks.Reset();
  Call(script, slot::Save_State, {Word(chunks.Saver())});
  ASSERT_EQ(chunks.Saved().size(), 1u) << "slot 21 writes one chunk";
  EXPECT_EQ(chunks.Saved()[0].id, 0x63736176u);
  const std::vector<Chunk> saved = chunks.Saved();
  chunks.Play_Back(saved);
  Call(script, slot::Load_State, {Word(chunks.Loader())});
  EXPECT_EQ(chunks.Calls().back(), "load open chunk: none left") << "slot 22 reads until no chunk is left";
  EXPECT_TRUE(chunks.Faults().empty()) << "first fault: " << chunks.Faults().front();

  Call(script, 23, {23});
  Call(script, 24, {24});

  Call(script, slot::Detach_From_Object, {0});
  EXPECT_EQ(Call(script, slot::Get_Owner, {}), 0u) << "slot 3 clears the owner";
  EXPECT_EQ(Recorded_Destroy_Requests(), std::vector<void*>{script}) << "slot 3 asks for the script's destruction";

  EXPECT_EQ(Call(script, slot::Destroy, {1}), Word(script)) << "slot 0 answers the script's address";
}

}  // namespace sim
