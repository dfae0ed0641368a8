#pragma once
#include <cstddef>
#include <cstdint>

// Copies size bytes of this process's memory at an absolute address into buffer.
// Returns false, without faulting, when any byte of the range is unreadable.
bool Read_Host_Memory(uintptr_t address, void* buffer, size_t size);
