#pragma once

// Prints a printf-style line on the server console (the process's standard output) and
// flushes it, so that the line is not lost if the server stops right afterwards.
void Console_Print(const char* format, ...) __attribute__((format(printf, 1, 2)));
