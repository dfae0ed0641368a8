#include "tests/sim/event_log.h"

namespace sim {

namespace {
std::vector<std::string>& Storage() {
  static std::vector<std::string> events;
  return events;
}
}  // namespace

void Log(const std::string& event) { Storage().push_back(event); }
const std::vector<std::string>& Events() { return Storage(); }
void Clear_Events() { Storage().clear(); }

}  // namespace sim
