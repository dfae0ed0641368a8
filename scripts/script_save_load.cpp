// Saving and loading a script's registered variables through the host's chunk commands:
// one chunk ScriptChunkId, one micro-chunk per variable with the variable's id.
#include "host/command_table.h"
#include "scripts/script_imp.h"

// Without a command table (before Set_Script_Commands) there is nothing to save through.
void ScriptImpClass::Save_State(ChunkSaver* saver) {
  if (!HostCommands) return;
  Host_Command<Command::Save_Begin_Chunk>()(saver, ScriptChunkId);
  for (const AutoSaveVariable* variable = AutoSaveList; variable; variable = variable->Next)
    Host_Command<Command::Save_Data>()(saver, variable->Id, variable->Size, variable->Data);
  Host_Command<Command::Save_End_Chunk>()(saver);
}

// Reads every micro-chunk of the script's chunk into each variable that has its id, in
// list order. Other chunks, and micro-chunks that no variable claims, are closed unread.
void ScriptImpClass::Load_State(ChunkLoader* loader) {
  if (!HostCommands) return;
  uint32_t chunk_id = 0;
  while (Host_Command<Command::Load_Open_Chunk>()(loader, &chunk_id)) {
    if (chunk_id == ScriptChunkId) {
      uint32_t micro_id = 0;
      while (Host_Command<Command::Load_Open_Micro_Chunk>()(loader, &micro_id)) {
        for (AutoSaveVariable* variable = AutoSaveList; variable; variable = variable->Next)
          if (variable->Id == micro_id) Host_Command<Command::Load_Data>()(loader, variable->Size, variable->Data);
        Host_Command<Command::Load_Close_Micro_Chunk>()(loader);
      }
    }
    Host_Command<Command::Load_Close_Chunk>()(loader);
  }
}
