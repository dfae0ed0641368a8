#include "tests/sim/script_commands.h"

#include "tests/sim/chunk_recorder.h"
#include "tests/sim/script_host.h"

namespace sim {

void Install_Script_Commands(CommandTableRecord& table) {
  Install_Script_Host_Commands(table);
  Install_Chunk_Commands(table);
}

}  // namespace sim
