#include "tests/sim/host_routines.h"

#include "tests/sim/event_log.h"
#include "tests/sim/tracking_allocator.h"

namespace sim {

void* Host_New(uint32_t size) { return TrackingAllocator::Instance().Allocate(size); }

void Host_Delete(void* block) { TrackingAllocator::Instance().Release(block); }

int Run_Console_Command(const char* line) {
  Log(std::string("console: ") + line);
  return 1;
}

}  // namespace sim
