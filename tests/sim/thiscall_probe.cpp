#include "tests/sim/thiscall_probe.h"

// cdecl: function, object, arguments, count, stack_left at 8..24(%ebp). The stack pointer
// before the pushes is kept in EBX (callee-saved), so the difference after the call is
// what the callee failed to remove.
extern "C" uint32_t bw_call_thiscall_measuring(const void*, void*, const uint32_t*, uint32_t, int32_t*);
asm(R"(
  .text
  .globl _bw_call_thiscall_measuring
_bw_call_thiscall_measuring:
  pushl %ebp
  movl %esp, %ebp
  pushl %ebx
  pushl %esi
  pushl %edi
  movl %esp, %ebx
  movl 16(%ebp), %esi
  movl 20(%ebp), %ecx
1:
  testl %ecx, %ecx
  jz 2f
  decl %ecx
  pushl (%esi,%ecx,4)
  jmp 1b
2:
  movl 12(%ebp), %ecx
  call *8(%ebp)
  movl %ebx, %edx
  subl %esp, %edx
  movl 24(%ebp), %ecx
  movl %edx, (%ecx)
  movl %ebx, %esp
  popl %edi
  popl %esi
  popl %ebx
  popl %ebp
  ret
)");

namespace sim {

uint32_t Call_Thiscall_Measuring_Stack(const void* function, void* object, const uint32_t* arguments, uint32_t count,
                                       int32_t* stack_left) {
  return bw_call_thiscall_measuring(function, object, arguments, count, stack_left);
}

}  // namespace sim
