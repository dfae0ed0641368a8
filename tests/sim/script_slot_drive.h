#pragma once
#include <vector>

#include "tests/sim/game_object.h"

namespace sim {

// A destroy-request function for tests that destroy scripts themselves: it only records
// the script it was called with.
void __attribute__((cdecl)) Record_Destroy_Request(void* script);
std::vector<void*>& Recorded_Destroy_Requests();

// Drives a script fresh from Create_Script through all 26 slots by position, as the host
// does over a script's life: parameters, attach, every event (timer number 99, which no
// script acts on), save and load, detach, and last slot 0 with flag 1. Checks that every
// slot removes exactly its own arguments from the stack, and what every script inherits:
// the name, the parameter round trip, the owner, the saved chunk, the destroy request on
// detach, and slot 0 answering the script's address.
//
// The plug-in must have a command table with the chunk commands, and
// Record_Destroy_Request as its destroy-request function.
void Drive_Every_Slot(void* script, const char* expected_name, GameObjectRecord& object);

}  // namespace sim
