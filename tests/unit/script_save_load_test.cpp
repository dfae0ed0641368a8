// Saving and loading registered variables through the host's chunk commands.
#include <cstring>

#include "tests/unit/script_test_support.h"

namespace script_test {
namespace {

// Two registered variables with ids 1 and 2.
class SavingScript : public ScriptImpClass {
 public:
  SavingScript() noexcept {
    Register_Auto_Save_Variable(&Count, sizeof Count, 1);
    Register_Auto_Save_Variable(Tag, sizeof Tag, 2);
  }
  int32_t Count = 0;
  char Tag[6] = {};
};

std::vector<uint8_t> Bytes(const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  return std::vector<uint8_t>(bytes, bytes + size);
}

class SaveLoadTest : public ScriptTest {
 protected:
  void SetUp() override {
    ScriptTest::SetUp();
    script_ = static_cast<SavingScript*>(Create_Registered_Script("saving_script"));
    ASSERT_NE(script_, nullptr);
  }
  void TearDown() override {
    if (script_) script_->Destroy(1);
    ScriptTest::TearDown();
  }
  static sim::ChunkRecorder& Chunks() { return sim::ChunkRecorder::Instance(); }

  ScriptRegistrant<SavingScript> saving_{"saving_script", ""};
  SavingScript* script_ = nullptr;
};

TEST_F(SaveLoadTest, SaveWritesOneChunkWithAMicroChunkPerVariableInListOrder) {
  ScriptImpClass* bare = Create_Registered_Script("bare_script");
  ASSERT_NE(bare, nullptr);
  bare->Save_State(Chunks().Saver());
  bare->Destroy(1);
  ASSERT_EQ(Chunks().Saved().size(), 1u) << "a script without variables";
  EXPECT_EQ(Chunks().Saved()[0].id, 0x63736176u);
  EXPECT_TRUE(Chunks().Saved()[0].micro_chunks.empty());

  Chunks().Reset();
  script_->Count = 0x01020304;
  std::memcpy(script_->Tag, "tag:5", 6);
  script_->Save_State(Chunks().Saver());
  EXPECT_EQ(Chunks().Calls(), (std::vector<std::string>{"save begin chunk 0x63736176", "save data 1, 4 bytes",
                                                         "save data 2, 6 bytes", "save end chunk"}));
  ASSERT_EQ(Chunks().Saved().size(), 1u);
  const auto& micro = Chunks().Saved()[0].micro_chunks;
  ASSERT_EQ(micro.size(), 2u);
  EXPECT_EQ(micro[0].id, 1u);
  EXPECT_EQ(micro[0].bytes, (std::vector<uint8_t>{4, 3, 2, 1}));
  EXPECT_EQ(micro[1].id, 2u);
  EXPECT_EQ(micro[1].bytes, Bytes("tag:5", 6));
  EXPECT_TRUE(Chunks().Faults().empty()) << Chunks().Faults().front();
}

TEST_F(SaveLoadTest, SavedStateLoadsBackIntoAFreshScript) {
  script_->Count = -7;
  std::memcpy(script_->Tag, "saved", 6);
  script_->Save_State(Chunks().Saver());
  auto* fresh = static_cast<SavingScript*>(Create_Registered_Script("saving_script"));
  ASSERT_NE(fresh, nullptr);
  Chunks().Play_Back(Chunks().Saved());
  fresh->Load_State(Chunks().Loader());
  EXPECT_EQ(fresh->Count, -7);
  EXPECT_STREQ(fresh->Tag, "saved");
  EXPECT_TRUE(Chunks().Faults().empty()) << Chunks().Faults().front();
  fresh->Destroy(1);
}

// A foreign chunk is closed unread, so is a micro-chunk no variable claims; a micro-chunk
// id that two variables share is read into both, in list order.
TEST_F(SaveLoadTest, LoadReadsMatchingMicroChunksAndClosesTheRestUnread) {
  int32_t shares_id_1 = 0;
  ASSERT_TRUE(script_->Register_Auto_Save_Variable(&shares_id_1, sizeof shares_id_1, 1));
  const int32_t count = 41, second = 42;
  std::vector<uint8_t> both = Bytes(&count, 4);
  for (uint8_t b : Bytes(&second, 4)) both.push_back(b);
  Chunks().Play_Back({
      {0x11111111, {{1, Bytes(&second, 4)}}},
      {0x63736176, {{2, Bytes("tag:2", 6)}, {7, {1, 2, 3}}, {1, both}}},
  });
  script_->Load_State(Chunks().Loader());

  EXPECT_EQ(Chunks().Calls(), (std::vector<std::string>{
                                  "load open chunk 0x11111111",
                                  "load close chunk",
                                  "load open chunk 0x63736176",
                                  "load open micro-chunk 2",
                                  "load data 6 bytes",
                                  "load close micro-chunk",
                                  "load open micro-chunk 7",
                                  "load close micro-chunk",
                                  "load open micro-chunk 1",
                                  "load data 4 bytes",
                                  "load data 4 bytes",
                                  "load close micro-chunk",
                                  "load open micro-chunk: none left",
                                  "load close chunk",
                                  "load open chunk: none left",
                              }));
  EXPECT_EQ(script_->Count, 41) << "the first variable with id 1 reads first";
  EXPECT_EQ(shares_id_1, 42) << "the second reads next";
  EXPECT_STREQ(script_->Tag, "tag:2");
  EXPECT_TRUE(Chunks().Faults().empty()) << Chunks().Faults().front();
}

TEST_F(SaveLoadTest, WithoutACommandTableNothingIsCalled) {
  HostCommands = nullptr;
  script_->Save_State(Chunks().Saver());
  script_->Load_State(Chunks().Loader());
  EXPECT_TRUE(Chunks().Calls().empty()) << "first call: " << Chunks().Calls().front();
}

}  // namespace
}  // namespace script_test
