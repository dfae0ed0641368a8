#pragma once
#include <ostream>
#include <string>
#include <vector>

// The builds of the fake extension library and what binding each must show: the names it
// lacks, and the message boxes the plug-in raises for them, in lookup order.
namespace sim {

struct BindingCase {
  const char* library;
  std::vector<std::string> missing;  // in lookup order; empty with all_missing
  bool all_missing = false;

  bool Lacks(const std::string& name) const;
  // The recorded form of each box the binding must raise, in order.
  std::vector<std::string> Expected_Boxes() const;
};

inline void PrintTo(const BindingCase& c, std::ostream* os) { *os << c.library; }

extern const std::vector<BindingCase> BindingCases;

}  // namespace sim
