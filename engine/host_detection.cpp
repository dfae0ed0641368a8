#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "engine/host_address_rows.h"
#include "engine/host_build.h"
#include "engine/host_entry_table.h"
#include "platform/host_memory.h"
#include "vecmath/vector_math_tables.h"

int32_t HostBuild = HOST_BUILD_UNRECOGNISED;
HostEntryTable HostEntries = {};

namespace {

bool Detection_Has_Run = false;

template <class Entry>
void Set_Entry(Entry& entry, uint32_t address) {
  entry = reinterpret_cast<Entry>(static_cast<uintptr_t>(address));
}

bool Signature_Lies_At(uint32_t address) {
  uint8_t bytes[sizeof HostBuildSignature];
  return Read_Host_Memory(address, bytes, sizeof bytes) && std::memcmp(bytes, HostBuildSignature, sizeof bytes) == 0;
}

void Fill_Allocator_Group(const HostAddressRow& row) {
  Set_Entry(HostEntries.Host_New, row.Host_New);
  Set_Entry(HostEntries.Host_New_Array, row.Host_New_Array);
  Set_Entry(HostEntries.Host_Delete, row.Host_Delete);
  Set_Entry(HostEntries.Host_Delete_Array, row.Host_Delete_Array);
  Set_Entry(HostEntries.Run_Console_Command, row.Run_Console_Command);
  Set_Entry(HostEntries.Host_SSE_Flag, row.Host_SSE_Flag);
}

void Fill_Query_Group(const HostAddressRow& row) {
  Set_Entry(HostEntries.Find_Definition, row.Find_Definition);
  Set_Entry(HostEntries.Get_Player_Value, row.Get_Player_Value);
  Set_Entry(HostEntries.Find_Player, row.Find_Player);
  Set_Entry(HostEntries.Get_Team_Purchase_Entry, row.Get_Team_Purchase_Entry);
  Set_Entry(HostEntries.Get_Purchase_List, row.Get_Purchase_List);
  Set_Entry(HostEntries.Load_INI, row.Load_INI);
  Set_Entry(HostEntries.Release_INI, row.Release_INI);
  Set_Entry(HostEntries.INI_Get_Float, row.INI_Get_Float);
}

void __cdecl Break_On_Invalid_Parameter(const wchar_t*, const wchar_t*, const wchar_t*, unsigned, uintptr_t) {
  DebugBreak();
}

}  // namespace

void Detect_Host_Build() {
  if (Detection_Has_Run) return;
  Detection_Has_Run = true;

  _set_invalid_parameter_handler(Break_On_Invalid_Parameter);

  for (const HostAddressRow& row : HostAddressRows)
    if (Signature_Lies_At(row.SignatureAddress)) HostBuild = row.Build;

  static constexpr HostAddressRow No_Row = {};
  const HostAddressRow* row = Host_Address_Row(HostBuild);
  Fill_Allocator_Group(row ? *row : No_Row);
  Build_Vector_Math_Tables();
  Fill_Query_Group(row ? *row : No_Row);
}

bool Host_Build_Detection_Has_Run() { return Detection_Has_Run; }

bool Host_Allocator_Is_Bound() { return HostEntries.Host_New != nullptr; }
