#pragma once
#include <cstdint>

// Routines of the simulated host executable, reached through the jumps that the host
// image places at each build's fixed addresses. They use the host's calling conventions.
namespace sim {

void* __attribute__((cdecl)) Host_New(uint32_t size);
void __attribute__((cdecl)) Host_Delete(void* block);
// Records "console: <line>" and answers 1.
int __attribute__((cdecl)) Run_Console_Command(const char* line);

}  // namespace sim
