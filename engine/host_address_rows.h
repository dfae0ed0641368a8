#pragma once
#include <cstdint>

// The host build signature: a short host routine (push 0x40, push both stack arguments,
// call rel -0x40, add esp 12, ret). The call is relative, so the bytes are the same in
// every build; only where they lie differs.
inline constexpr uint8_t HostBuildSignature[19] = {0x6A, 0x40, 0xFF, 0x74, 0x24, 0x0C, 0xFF, 0x74, 0x24, 0x0C,
                                                   0xE8, 0xC0, 0xFF, 0xFF, 0xFF, 0x83, 0xC4, 0x0C, 0xC3};

// One known build: where its signature lies and the host addresses of its entry points
// (0 = not known for that build). Field names follow HostEntryTable.
struct HostAddressRow {
  int32_t Build;
  uint32_t SignatureAddress;
  // Allocator group: filled before the vector math tables are built.
  uint32_t Host_New, Host_New_Array, Host_Delete, Host_Delete_Array, Run_Console_Command, Host_SSE_Flag;
  // Query and settings-file group: filled after them.
  uint32_t Find_Definition, Get_Player_Value, Find_Player, Get_Team_Purchase_Entry, Get_Purchase_List;
  uint32_t Load_INI, Release_INI, INI_Get_Float;
};

// Rows in the order in which detection checks the signatures; a later match wins.
inline constexpr HostAddressRow HostAddressRows[] = {
    {0, 0x0078CE49,
     0x00672B70, 0x00672B70, 0x00672C80, 0x00672C80, 0x004287E0, 0x0084F702,
     0x00526860, 0x00408280, 0x004157E0, 0x006F3430, 0x006F2BD0,
     0x006DAB30, 0x006DABE0, 0x005E1670},
    {1, 0x0078C6E9,
     0x00672410, 0x00672410, 0x00672520, 0x00672520, 0x00428960, 0x0084E8EA,
     0x00526100, 0x00408280, 0x004157E0, 0x006F29F0, 0x006F2190,
     0x006DA3D0, 0x006DA480, 0x005E0F10},
    {4, 0x0078790C,
     0x007A783D, 0x007A783D, 0x007A7866, 0x007A7866, 0, 0,
     0, 0, 0, 0, 0,
     0, 0, 0},
};

// Returns the row of a build, or null for a build without one.
constexpr const HostAddressRow* Host_Address_Row(int32_t build) {
  for (const HostAddressRow& row : HostAddressRows)
    if (row.Build == build) return &row;
  return nullptr;
}
