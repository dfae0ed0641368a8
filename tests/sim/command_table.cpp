#include "tests/sim/command_table.h"

#include <array>
#include <utility>

#include "tests/sim/event_log.h"

namespace sim {

namespace {

template <uint32_t Word>
void __attribute__((cdecl)) Unexpected_Command() {
  Log("unexpected command " + std::to_string(Word));
}

template <uint32_t... Words>
constexpr std::array<const void*, sizeof...(Words)> Make_Dummies(std::integer_sequence<uint32_t, Words...>) {
  return {reinterpret_cast<const void*>(&Unexpected_Command<Words>)...};
}

const auto Dummies = Make_Dummies(std::make_integer_sequence<uint32_t, CommandTableRecord::Words>());

}  // namespace

const void* CommandTableRecord::Dummy(uint32_t word) { return Dummies[word]; }

CommandTableRecord::CommandTableRecord() {
  words[0] = 816;
  words[1] = 174;
  for (uint32_t word = 2; word < Words; ++word) Set(word, Dummy(word));
}

}  // namespace sim
