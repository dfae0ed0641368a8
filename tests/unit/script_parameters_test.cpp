// Parameter text: split into host-allocated parameters at commas, joined back into a
// buffer of a given size that is never overrun.
#include <cstring>
#include <random>

#include "tests/unit/script_test_support.h"

namespace script_test {
namespace {

std::vector<std::string> Parameters_Of(const ScriptImpClass& script) {
  std::vector<std::string> parameters;
  for (int32_t i = 0; i < script.ParameterCount; ++i) parameters.push_back(script.Parameters[i]);
  return parameters;
}

// A copy of text in its own guard-page block, so that a read past its end faults.
char* Guarded(const std::string& text) {
  auto* copy = static_cast<char*>(sim::TrackingAllocator::Instance().Allocate(text.size() + 1));
  std::memcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

// Get_Parameter_Text into a guard-page buffer of exactly size + 1 bytes.
std::string Joined(ScriptImpClass& script, uint32_t size) {
  auto* buffer = static_cast<char*>(sim::TrackingAllocator::Instance().Allocate(size + 1));
  std::memset(buffer, 0x7F, size + 1);
  script.Get_Parameter_Text(buffer, size);
  std::string text(buffer, strnlen(buffer, size + 1));
  sim::TrackingAllocator::Instance().Release(buffer);
  return text;
}

class ParameterTest : public ScriptTest {
 protected:
  void SetUp() override {
    ScriptTest::SetUp();
    script_ = Create_Registered_Script("bare_script");
    ASSERT_NE(script_, nullptr);
  }
  void TearDown() override {
    if (script_) script_->Destroy(1);
    ScriptTest::TearDown();
  }
  // Hands texts over one after another, each from a guard-page block (null stays null).
  void Hand_Over(const std::vector<const char*>& texts) {
    for (const char* text : texts) {
      char* copy = text ? Guarded(text) : nullptr;
      script_->Set_Parameter_Text(copy);
      Memory().Release(copy);
    }
  }
  ScriptImpClass* script_ = nullptr;
};

struct SplitCase {
  std::vector<const char*> texts;  // handed over in this order
  std::vector<std::string> parameters;
};

TEST_F(ParameterTest, TextsSplitAtEveryComma) {
  const SplitCase cases[] = {
      {{"a,,b"}, {"a", "", "b"}},
      {{",a"}, {"", "a"}},
      {{"a,b"}, {"a", "b"}},
      {{"a,b\n"}, {"a", "b"}},        // the newline at the end is not part of the text
      {{"a,"}, {"a", ""}},            // the missing last parameter is the empty text
      {{"\n"}, {""}},
      {{"a\n\n"}, {"a\n"}},           // only one newline goes
      {{"a\nb,c"}, {"a\nb", "c"}},
      {{"x,y", "p"}, {"p"}},          // a second text replaces the first
      {{"x,y", ""}, {"x", "y"}},      // an empty text leaves them
      {{"x,y", nullptr}, {"x", "y"}},  // so does a null text
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const uint64_t mark = Memory().Mark();
    Hand_Over(cases[i].texts);
    EXPECT_EQ(Parameters_Of(*script_), cases[i].parameters) << "case " << i;
    // What stays is the array and one block per parameter: the working copy and any
    // earlier set went back.
    EXPECT_EQ(Memory().Live_Since(mark).size(), cases[i].parameters.size() + 1) << "case " << i;
    EXPECT_TRUE(Memory().Is_Live(script_->Parameters)) << "case " << i;
    for (int32_t p = 0; p < script_->ParameterCount; ++p)
      EXPECT_TRUE(Memory().Is_Live(script_->Parameters[p])) << "case " << i << ", parameter " << p;
    script_->Clear_Parameters();
  }
}

struct JoinCase {
  const char* text;  // null: no parameters
  uint32_t size;
  const char* joined;
};

TEST_F(ParameterTest, JoinNeverHoldsMoreThanSizeCharacters) {
  const JoinCase cases[] = {
      {"ab,cd", 5, "ab,cd"}, {"ab,cd", 4, "ab,"}, {"ab,cd", 3, "ab,"}, {"ab,cd", 2, "ab"},
      {"ab,cd", 1, ""},      {"ab,cd", 0, ""},    {"ab,cd", 9, "ab,cd"}, {",,", 2, ",,"},
      {",,", 1, ","},        {nullptr, 10, ""},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    script_->Clear_Parameters();
    Hand_Over({cases[i].text});
    EXPECT_EQ(Joined(*script_, cases[i].size), cases[i].joined) << "case " << i << ", size " << cases[i].size;
  }
}

// Random texts and sizes, every text and buffer in a guard-page block of its exact size:
// no fault, the join never exceeds its size and is the start of the whole join, and a
// size that fits the whole gives back the text that was split.
TEST_F(ParameterTest, RandomTextsSplitAndJoinBack) {
  std::mt19937 random(20261211);
  const char common[] = {'a', 'b', ',', ',', '\n'};
  std::vector<std::string> expected;  // the parameters the script should hold
  for (int iteration = 0; iteration < 1500 && !HasFailure(); ++iteration) {
    std::string text(random() % 41, ' ');
    for (char& c : text) c = random() % 3 ? common[random() % sizeof common] : static_cast<char>(1 + random() % 255);
    Hand_Over({text.c_str()});

    std::string body = text;
    if (!body.empty() && body.back() == '\n') body.pop_back();
    if (!text.empty()) {
      expected.assign(1, "");
      for (char c : body) {
        if (c == ',')
          expected.emplace_back();
        else
          expected.back().push_back(c);
      }
    }
    ASSERT_EQ(Parameters_Of(*script_), expected) << "iteration " << iteration;

    std::string whole;
    for (size_t p = 0; p < expected.size(); ++p) whole += (p ? "," : "") + expected[p];
    if (!text.empty()) {
      EXPECT_EQ(whole, body) << "iteration " << iteration << ": split then join";
    }
    for (int round = 0; round < 3; ++round) {
      const uint32_t size = round == 0 ? whole.size() : random() % (whole.size() + 4);
      const std::string joined = Joined(*script_, size);
      EXPECT_LE(joined.size(), size) << "iteration " << iteration;
      EXPECT_EQ(whole.compare(0, joined.size(), joined), 0) << "iteration " << iteration << ", size " << size;
      if (size >= whole.size()) {
        EXPECT_EQ(joined, whole) << "iteration " << iteration << ", size " << size;
      }
    }
  }
}

}  // namespace
}  // namespace script_test
