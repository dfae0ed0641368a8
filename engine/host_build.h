#pragma once
#include <cstdint>

// Which build of the host executable is running. Detection sets 0, 1 or 4; 6 means not
// (yet) recognised. Builds 2, 3 and 5 are never produced by detection.
enum : int32_t {
  HOST_BUILD_FIRST = 0,
  HOST_BUILD_SECOND = 1,
  HOST_BUILD_THIRD = 4,
  HOST_BUILD_UNRECOGNISED = 6,
};

extern int32_t HostBuild;

// Recognises the host build from its signature, fills HostEntries for it and builds the
// vector math tables. Runs at most once per load of the library: a second call (for
// instance from an allocation made while the first is building the tables) returns at once.
void Detect_Host_Build();

// True once detection has run, whatever it found.
bool Host_Build_Detection_Has_Run();

// True when detection found a build whose allocator is known.
bool Host_Allocator_Is_Bound();
