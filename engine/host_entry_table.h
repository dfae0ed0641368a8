#pragma once
#include <cstdint>

#include "engine/host_calling.h"

// Host entry points at fixed addresses inside the host executable, filled by detection
// for the running build. An empty (null) entry is not known for that build.
struct HostEntryTable {
  void*(HOST_CDECL* Host_New)(uint32_t size);
  void*(HOST_CDECL* Host_New_Array)(uint32_t size);
  void(HOST_CDECL* Host_Delete)(void* block);
  void(HOST_CDECL* Host_Delete_Array)(void* block);
  int(HOST_CDECL* Run_Console_Command)(const char* line);
  const volatile uint8_t* Host_SSE_Flag;  // data: non-zero selects the SSE vector math
  void*(HOST_CDECL* Find_Definition)(const char* preset_name, int constant_one);
  int32_t(HOST_THISCALL* Get_Player_Value)(void* player_team_sub_object);
  void*(HOST_CDECL* Find_Player)(int32_t player_id);
  void*(HOST_CDECL* Get_Team_Purchase_Entry)(int32_t team);
  void*(HOST_CDECL* Get_Purchase_List)(int32_t category, int32_t team);
  void*(HOST_CDECL* Load_INI)(const char* bare_file_name);
  void(HOST_CDECL* Release_INI)(void* ini);
  float(HOST_THISCALL* INI_Get_Float)(void* ini, const char* section, const char* entry, float default_value);
};
static_assert(sizeof(HostEntryTable) == 14 * sizeof(void*), "one pointer-sized word per host entry");

extern HostEntryTable HostEntries;
