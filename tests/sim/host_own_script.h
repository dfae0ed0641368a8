#pragma once

// A script that the host makes itself, such as the framework's own scripts that the
// plug-in attaches by name: it answers its name, keeps its owner and its parameter text,
// and ignores every event. Its 26 slots take the host's arguments, so the plug-in can
// treat it like any other script on an object.
namespace sim {

void* Create_Host_Own_Script(const char* name);

}  // namespace sim
