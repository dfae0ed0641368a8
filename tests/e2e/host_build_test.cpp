// Loading the plug-in into servers of each build, and into servers it must refuse.
#include <gtest/gtest.h>

#include "tests/sim/console_capture.h"
#include "tests/sim/framework_records.h"
#include "tests/sim/host_fixture.h"

namespace sim {
namespace {

constexpr const char* Refusal = "brakewater.dll: this server build is not supported; the plug-in is not loaded\n";

// Flips one byte of host memory and puts it back when it goes out of scope.
class CorruptedByte {
 public:
  explicit CorruptedByte(uint32_t address) : at_(At(address)), original_(*at_) { *at_ ^= 0xFF; }
  ~CorruptedByte() { *at_ = original_; }

 private:
  uint8_t* at_;
  uint8_t original_;
};

class HostBuildTest : public HostTest, public ::testing::WithParamInterface<Build> {};

TEST_P(HostBuildTest, RecognisedBuildLoadsAndAllocatesThroughItsOwnAllocator) {
  ConsoleCapture console;
  const bool loaded = Load_Into(GetParam());
  EXPECT_EQ(console.Finish(), "");
  ASSERT_TRUE(loaded) << "build " << int(GetParam()) << " was refused";

  // The plug-in's name does not fit inline, so it comes from the host allocator of this
  // build; the jumps exist only at this build's addresses.
  PluginInfoRecord info;
  const uint64_t mark = Allocator().Mark();
  Call().SSGM_Plugin_Load(nullptr, nullptr, nullptr, nullptr, info.bytes);
  EXPECT_EQ(Allocator().Allocations_Since(mark), 1u);
  EXPECT_TRUE(Allocator().Is_Live(info.Name().Buffer()));
}

INSTANTIATE_TEST_SUITE_P(EachKnownBuild, HostBuildTest, ::testing::Values(Build::First, Build::Second, Build::Third));

TEST_F(HostTest, UnknownServerIsRefusedWithOneConsoleLine) {
  ConsoleCapture console;
  const bool loaded = Load_Into(Build::Unknown);
  EXPECT_EQ(console.Finish(), Refusal);
  EXPECT_FALSE(loaded);
  EXPECT_TRUE(Events().empty()) << "first event: " << Events().front();
}

TEST_F(HostTest, SignatureDifferingInItsLastByteIsNotRecognised) {
  Install_Build(Build::First);
  CorruptedByte last_byte(Addresses_Of(Build::First)->signature + 18);
  ConsoleCapture console;
  const bool loaded = plugin_.Load();
  EXPECT_EQ(console.Finish(), Refusal);
  EXPECT_FALSE(loaded);
}

TEST_F(HostTest, UnreadableSignaturePageCountsAsNoMatch) {
  Install_Build(Build::Second);
  const uint32_t signature = Addresses_Of(Build::Second)->signature;
  Protect(signature, sizeof Signature, PAGE_NOACCESS);
  ConsoleCapture console;
  const bool loaded = plugin_.Load();
  Protect(signature, sizeof Signature, PAGE_EXECUTE_READWRITE);
  EXPECT_EQ(console.Finish(), Refusal);
  EXPECT_FALSE(loaded);
}

TEST_F(HostTest, ThreadAndDetachNotificationsAnswerTrueAndChangeNothing) {
  ASSERT_TRUE(Load_Into(Build::First));
  for (DWORD reason : {DLL_THREAD_ATTACH, DLL_THREAD_DETACH, DLL_PROCESS_DETACH})
    EXPECT_TRUE(Call().DllMain(plugin_.Module(), reason, nullptr)) << "reason " << reason;
  // The host allocator is still bound: a text that needs a buffer still gets one.
  PluginInfoRecord info;
  Call().SSGM_Plugin_Load(nullptr, nullptr, nullptr, nullptr, info.bytes);
  EXPECT_TRUE(Allocator().Is_Live(info.Name().Buffer()));
}

}  // namespace
}  // namespace sim
