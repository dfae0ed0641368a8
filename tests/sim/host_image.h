#pragma once
#include <cstdint>

// The host executable's fixed address range, owned by the simulator process: the test
// programs are linked so that a large array occupies 0x00401000-0x00900FFF. The simulator
// writes a build signature and 5-byte jumps to its own routines into it, as a real host
// executable would have them.
namespace sim {

constexpr uint32_t HostImageBase = 0x00401000;
constexpr uint32_t HostImageSize = 0x00500000;

// Host builds the simulator can play; Unknown writes no signature.
enum class Build { First = 0, Second = 1, Third = 4, Unknown = -1 };

// The addresses of one build of the host executable, as the simulator knows them.
struct BuildAddresses {
  Build build;
  uint32_t signature;
  uint32_t host_new, host_delete, run_console_command, sse_flag;
  uint32_t find_definition, get_player_value, find_player, get_team_purchase_entry, get_purchase_list;
  uint32_t load_ini, release_ini, ini_get_float;
};
const BuildAddresses* Addresses_Of(Build build);

// The build signature bytes of the host routine that identifies a build.
extern const uint8_t Signature[19];

// Clears the whole image, then lays out the given build: signature, routine jumps and the
// SSE flag byte. Routines not yet simulated are left as zero bytes.
void Install_Build(Build build, uint8_t sse_flag = 0);

// Writes the signature at an address (for tests of conflicting signatures).
void Write_Signature(uint32_t address);

// Writes a 5-byte relative jump at a host address to a routine of the simulator.
void Write_Jump(uint32_t address, const void* target);

// Raw access to host memory.
uint8_t* At(uint32_t address);

// Changes the protection of the pages that hold [address, address + size).
void Protect(uint32_t address, uint32_t size, uint32_t protection);

}  // namespace sim
