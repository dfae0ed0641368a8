#pragma once

// The plug-in's own start (after an accepted host command table and the extension
// binding), level reset and stop. Each is a seam that the refill guard fills.
void Start_Plugin();
void Reset_For_Level();
void Stop_Plugin();
