#pragma once

// Shows a message box with no owner window, an OK button and the warning icon (flags 0x30),
// and returns once it has been dismissed.
void Show_Warning_Box(const char* text, const char* caption);
