#pragma once
#include <string>

// Captures what the process writes to its standard output (the server console) until
// Finish(), which gives the text back. Finish before asserting: a failure message written
// while capturing would land in the capture.
namespace sim {

class ConsoleCapture {
 public:
  ConsoleCapture();
  ~ConsoleCapture();
  ConsoleCapture(const ConsoleCapture&) = delete;
  ConsoleCapture& operator=(const ConsoleCapture&) = delete;
  std::string Finish();

 private:
  int saved_stdout_ = -1;
  std::string path_;
  std::string text_;
};

}  // namespace sim
