#pragma once
#include <cstdint>

// Calls a thiscall function with count 32-bit stack arguments and measures what the
// callee did to the stack: *stack_left is 0 when it removed exactly its arguments, 4 * n
// when it left n words behind, negative when it removed too many. Answers EAX.
namespace sim {

uint32_t Call_Thiscall_Measuring_Stack(const void* function, void* object, const uint32_t* arguments, uint32_t count,
                                       int32_t* stack_left);

}  // namespace sim
