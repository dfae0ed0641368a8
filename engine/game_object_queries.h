#pragma once
#include <cstdint>

// Facts about game objects that the host commands do not offer. No query allocates, keeps
// state or reports an error: a missing object or record gives a fixed neutral answer.

using GameObject = void;

// The id of the player controlling the object (a soldier), or -1.
int32_t Get_Player_ID(GameObject* object);
// The team of the object's player; 0 when the host has no player record for it.
int32_t Get_Player_Team(GameObject* object);
// True when the object is a soldier sitting in a valid vehicle.
bool Is_In_Vehicle(GameObject* object);
// What the preset costs the team: the first place in the team's purchase record and lists
// that holds its definition id; 0 when none does.
int32_t Get_Preset_Cost(const char* preset_name, int32_t team);
// True when a script of that name (in any letter case) is attached to the object.
bool Is_Script_Attached(GameObject* object, const char* script_name);
// Asks the host to destroy every countdown script ("DamagedSetter") on the object.
void Remove_Script(GameObject* object);
