#pragma once
#include <cstdint>

// The plug-in's memory comes from the host allocator, so blocks can cross the library
// boundary both ways. Each allocation runs host build detection first while its entry
// is empty.
//
// On a server whose build is not recognised there is no host allocator: the allocations
// answer null and the releases do nothing, so nothing is ever called through an empty entry.
void* Host_Allocate(uint32_t size);
void* Host_Allocate_Array(uint32_t size);
void Host_Release(void* block);
void Host_Release_Array(void* block);
