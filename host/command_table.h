#pragma once
#include <cstddef>
#include <cstdint>

#include "engine/host_calling.h"

// The host's table of command functions, handed over by Set_Script_Commands: a size word,
// a version word, then 202 function addresses. Word n lies at byte offset 4 * n.
struct HostCommandTable {
  static constexpr uint32_t ExpectedSize = 816;
  static constexpr uint32_t ExpectedVersion = 174;
  static constexpr uint32_t WordCount = ExpectedSize / 4;
  static constexpr uint32_t FirstFunctionWord = 2;

  uint32_t Size;
  uint32_t Version;
  void* Functions[WordCount - FirstFunctionWord];

  void*& Word(uint32_t word) { return Functions[word - FirstFunctionWord]; }
};
static_assert(offsetof(HostCommandTable, Size) == 0, "size word first");
static_assert(offsetof(HostCommandTable, Version) == 4, "version word second");
static_assert(offsetof(HostCommandTable, Functions) == 8, "function addresses from word 2");
static_assert(sizeof(HostCommandTable) == HostCommandTable::ExpectedSize, "the table is 816 bytes");

// The table the host handed over, recorded by Set_Script_Commands; null before that.
extern HostCommandTable* HostCommands;

// One host command: its word in the table and its function type.
template <uint32_t WordIndex, class Function>
struct HostCommand {
  static constexpr uint32_t Word = WordIndex;
  using Type = Function;
};

// Host objects as the commands see them; their inside is the host's.
using GameObject = void;
using ChunkSaver = void;
using ChunkLoader = void;
class ScriptImpClass;

// The commands the plug-in calls (all cdecl), named after the host's entries.
namespace Command {
using Get_Object_ID = HostCommand<27, uint32_t(HOST_CDECL*)(GameObject* object)>;
using Get_Preset_Name = HostCommand<29, const char*(HOST_CDECL*)(GameObject* object)>;
using Attach_Script = HostCommand<30, void(HOST_CDECL*)(GameObject* object, const char* script_name, const char* parameters)>;
using Start_Timer = HostCommand<32, void(HOST_CDECL*)(GameObject* object, ScriptImpClass* script, float seconds, int32_t number)>;
using Get_Health = HostCommand<55, float(HOST_CDECL*)(GameObject* object)>;
using Get_Max_Health = HostCommand<56, float(HOST_CDECL*)(GameObject* object)>;
using Set_Health = HostCommand<57, void(HOST_CDECL*)(GameObject* object, float health)>;
using Get_Armor = HostCommand<58, float(HOST_CDECL*)(GameObject* object)>;
using Get_Max_Armor = HostCommand<59, float(HOST_CDECL*)(GameObject* object)>;
using Set_Armor = HostCommand<60, void(HOST_CDECL*)(GameObject* object, float armor)>;
using Is_Player_Soldier = HostCommand<70, bool(HOST_CDECL*)(GameObject* object)>;
using Save_Data = HostCommand<80, void(HOST_CDECL*)(ChunkSaver* saver, uint32_t id, uint32_t size, const void* data)>;
using Load_Open_Micro_Chunk = HostCommand<82, bool(HOST_CDECL*)(ChunkLoader* loader, uint32_t* id)>;
using Load_Data = HostCommand<83, void(HOST_CDECL*)(ChunkLoader* loader, uint32_t size, void* data)>;
using Load_Close_Micro_Chunk = HostCommand<85, void(HOST_CDECL*)(ChunkLoader* loader)>;
using Save_Begin_Chunk = HostCommand<86, void(HOST_CDECL*)(ChunkSaver* saver, uint32_t id)>;
using Save_End_Chunk = HostCommand<87, void(HOST_CDECL*)(ChunkSaver* saver)>;
using Load_Open_Chunk = HostCommand<88, bool(HOST_CDECL*)(ChunkLoader* loader, uint32_t* id)>;
using Load_Close_Chunk = HostCommand<89, void(HOST_CDECL*)(ChunkLoader* loader)>;
}  // namespace Command

// The command's current function in the recorded table.
template <class C>
typename C::Type Host_Command() {
  return reinterpret_cast<typename C::Type>(HostCommands->Word(C::Word));
}
