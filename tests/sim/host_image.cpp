#include "tests/sim/host_image.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/sim/host_routines.h"
#include "tests/sim/host_world.h"

// The array the linker places at the host's fixed addresses (see tests/CMakeLists.txt).
__attribute__((section(".hostimg"), used)) char hostimg[sim::HostImageSize];

namespace sim {

const uint8_t Signature[19] = {0x6A, 0x40, 0xFF, 0x74, 0x24, 0x0C, 0xFF, 0x74, 0x24, 0x0C,
                               0xE8, 0xC0, 0xFF, 0xFF, 0xFF, 0x83, 0xC4, 0x0C, 0xC3};

namespace {

// The host's own layout per build, as the simulator plays it. Kept apart from the
// plug-in's copy so that a wrong address on either side shows in the tests.
constexpr BuildAddresses Known_Builds[] = {
    {Build::First, 0x0078CE49, 0x00672B70, 0x00672C80, 0x004287E0, 0x0084F702, 0x00526860, 0x00408280, 0x004157E0,
     0x006F3430, 0x006F2BD0, 0x006DAB30, 0x006DABE0, 0x005E1670},
    {Build::Second, 0x0078C6E9, 0x00672410, 0x00672520, 0x00428960, 0x0084E8EA, 0x00526100, 0x00408280, 0x004157E0,
     0x006F29F0, 0x006F2190, 0x006DA3D0, 0x006DA480, 0x005E0F10},
    {Build::Third, 0x0078790C, 0x007A783D, 0x007A7866, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
};

void Make_Image_Writable() {
  static bool done = false;
  if (done) return;
  DWORD old;
  if (!VirtualProtect(hostimg, sizeof hostimg, PAGE_EXECUTE_READWRITE, &old)) {
    std::fprintf(stderr, "host image: VirtualProtect failed (%lu)\n", GetLastError());
    std::abort();
  }
  if (reinterpret_cast<uintptr_t>(hostimg) != HostImageBase) {
    std::fprintf(stderr, "host image at %p, not at 0x%08X: check the link layout\n", hostimg, HostImageBase);
    std::abort();
  }
  done = true;
}

void Jump_If_Known(uint32_t address, const void* target) {
  if (address) Write_Jump(address, target);
}

}  // namespace

const BuildAddresses* Addresses_Of(Build build) {
  for (const BuildAddresses& row : Known_Builds)
    if (row.build == build) return &row;
  return nullptr;
}

uint8_t* At(uint32_t address) {
  if (address < HostImageBase || address >= HostImageBase + HostImageSize) {
    std::fprintf(stderr, "host address 0x%08X lies outside the host image\n", address);
    std::abort();
  }
  return reinterpret_cast<uint8_t*>(address);
}

void Write_Signature(uint32_t address) {
  Make_Image_Writable();
  std::memcpy(At(address), Signature, sizeof Signature);
}

void Write_Jump(uint32_t address, const void* target) {
  Make_Image_Writable();
  uint8_t* at = At(address);
  const int32_t displacement = static_cast<int32_t>(reinterpret_cast<uintptr_t>(target) - (address + 5));
  at[0] = 0xE9;
  std::memcpy(at + 1, &displacement, sizeof displacement);
  FlushInstructionCache(GetCurrentProcess(), at, 5);
}

void Protect(uint32_t address, uint32_t size, uint32_t protection) {
  DWORD old;
  if (!VirtualProtect(At(address), size, protection, &old)) {
    std::fprintf(stderr, "VirtualProtect(0x%08X) failed (%lu)\n", address, GetLastError());
    std::abort();
  }
}

void Install_Build(Build build, uint8_t sse_flag) {
  Make_Image_Writable();
  std::memset(hostimg, 0, sizeof hostimg);
  const BuildAddresses* row = Addresses_Of(build);
  if (!row) return;
  Write_Signature(row->signature);
  Jump_If_Known(row->host_new, reinterpret_cast<const void*>(&Host_New));
  Jump_If_Known(row->host_delete, reinterpret_cast<const void*>(&Host_Delete));
  Jump_If_Known(row->run_console_command, reinterpret_cast<const void*>(&Run_Console_Command));
  Jump_If_Known(row->find_definition, reinterpret_cast<const void*>(&Find_Definition_Routine));
  Jump_If_Known(row->get_player_value, reinterpret_cast<const void*>(&Get_Player_Value_Routine));
  Jump_If_Known(row->find_player, reinterpret_cast<const void*>(&Find_Player_Routine));
  Jump_If_Known(row->get_team_purchase_entry, reinterpret_cast<const void*>(&Get_Team_Purchase_Entry_Routine));
  Jump_If_Known(row->get_purchase_list, reinterpret_cast<const void*>(&Get_Purchase_List_Routine));
  if (row->sse_flag) *At(row->sse_flag) = sse_flag;
}

}  // namespace sim
