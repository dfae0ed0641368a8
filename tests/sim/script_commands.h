#pragma once

// Puts the simulator's script commands into a command table: Attach_Script and
// Start_Timer of the script host, and the chunk commands of the chunk recorder.
namespace sim {

struct CommandTableRecord;
void Install_Script_Commands(CommandTableRecord& table);

}  // namespace sim
