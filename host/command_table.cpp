#include "host/command_table.h"

HostCommandTable* HostCommands = nullptr;
