#pragma once
#include <cstdint>

// A script as the host sees it: an object whose first word points at a table of 26
// thiscall functions, called by position. The positions and argument counts are written
// here from the host's side, apart from the plug-in's class, so that tests compare the two.
namespace sim {

namespace slot {
constexpr int Destroy = 0;  // flags; bit 0: give the memory back; answers the address
constexpr int Get_Script_Name = 1;
constexpr int Attach_To_Object = 2;
constexpr int Detach_From_Object = 3;
constexpr int On_Created = 4;
constexpr int On_Killed = 6;
constexpr int On_Damaged = 7;
constexpr int On_Timer_Expired = 12;
constexpr int Get_Owner = 17;
constexpr int Get_Owner_Address = 18;
constexpr int Set_Parameter_Text = 19;
constexpr int Get_Parameter_Text = 20;
constexpr int Save_State = 21;
constexpr int Load_State = 22;
constexpr int On_Constructed = 25;
constexpr int Count = 26;
}  // namespace slot

// 32-bit stack arguments each slot takes after the object in ECX; thiscall makes the
// callee remove them.
constexpr uint32_t SlotArgumentCount[slot::Count] = {1, 0, 1, 1, 1, 1, 2, 3, 4, 2, 2, 3, 2,
                                                     2, 2, 2, 2, 0, 0, 1, 2, 1, 1, 1, 1, 0};

inline void* Slot_Function(void* script, int position) { return (*static_cast<void***>(script))[position]; }

// Calls a slot by position the way the host does.
template <class Result, class... Arguments>
Result Call_Slot(void* script, int position, Arguments... arguments) {
  using Function = Result(__attribute__((thiscall))*)(void*, Arguments...);
  return reinterpret_cast<Function>(Slot_Function(script, position))(script, arguments...);
}

}  // namespace sim
