#include "tests/sim/console_capture.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace sim {

ConsoleCapture::ConsoleCapture() {
  char directory[MAX_PATH], file[MAX_PATH];
  GetTempPathA(sizeof directory, directory);
  GetTempFileNameA(directory, "con", 0, file);
  path_ = file;
  std::fflush(stdout);
  saved_stdout_ = _dup(1);
  const int fd = _open(file, _O_WRONLY | _O_TRUNC | _O_BINARY);
  _dup2(fd, 1);
  _close(fd);
}

ConsoleCapture::~ConsoleCapture() { Finish(); }

std::string ConsoleCapture::Finish() {
  if (saved_stdout_ < 0) return text_;
  std::fflush(stdout);
  _dup2(saved_stdout_, 1);
  _close(saved_stdout_);
  saved_stdout_ = -1;
  {
    std::ifstream in(path_, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    text_ = text.str();
  }
  DeleteFileA(path_.c_str());
  return text_;
}

}  // namespace sim
