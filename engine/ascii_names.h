#pragma once

// Script names compare without regard to the case of ASCII letters; the whole texts must match.
inline bool Names_Equal_Ignoring_Case(const char* a, const char* b) {
  auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
  for (;; ++a, ++b) {
    if (lower(*a) != lower(*b)) return false;
    if (!*a) return true;
  }
}
