#pragma once

// Steps that follow an accepted host command table, and the plug-in's own start, level
// reset and stop. Each is a seam that the subsystem behind it fills.
void Bind_Extension_Library();
void Start_Plugin();
void Reset_For_Level();
void Stop_Plugin();
