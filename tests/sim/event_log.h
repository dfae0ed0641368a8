#pragma once
#include <string>
#include <vector>

// What the simulated host saw, in order: console commands, message boxes, script events.
// Tests compare the log with the sequence they expect.
namespace sim {

void Log(const std::string& event);
const std::vector<std::string>& Events();
void Clear_Events();

}  // namespace sim
