#pragma once
#include <string>
#include <vector>

// Message boxes shown in the simulator process. Record_Message_Boxes() patches user32's
// MessageBoxA with a jump to a recorder, which logs every box in the event log as
//   message box "<caption>": <text> [flags 0x<hex>, owner <none|0x<hex>>]
// and answers IDOK at once, as if the box had been dismissed. The real box is never shown.
namespace sim {

// Installs the recorder; later calls do nothing.
void Record_Message_Boxes();

// The message box events of the event log, in order.
std::vector<std::string> Message_Box_Events();

}  // namespace sim
