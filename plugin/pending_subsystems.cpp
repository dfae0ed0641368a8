// Seams for subsystems that are not built yet. Each body stays empty until its
// subsystem replaces it; none of them pretends to do the work.
#include "plugin/plugin_lifecycle.h"

void Start_Plugin() {}            // the refill guard's start
void Reset_For_Level() {}         // the refill guard's level reset
void Stop_Plugin() {}             // the refill guard's stop
