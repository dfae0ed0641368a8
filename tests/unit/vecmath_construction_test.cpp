// Building the table objects: which 4-vector class the host's flag byte selects, what a
// failed allocation leaves, and an unrecognised host. The host entry table is the seam.
#include <gtest/gtest.h>
#include <windows.h>

#include <typeinfo>
#include <vector>

#include "engine/host_build.h"
#include "engine/host_entry_table.h"
#include "tests/sim/host_image.h"
#include "tests/sim/tracking_allocator.h"
#include "vecmath/vector3_math.h"
#include "vecmath/vector4_math.h"
#include "vecmath/vector4_math_sse.h"
#include "vecmath/vector_math_tables.h"

namespace {

// The host allocator as the tables see it: the simulator's guard-page allocator, which
// faults on any write past a block, with a chosen call answering null.
std::vector<uint32_t> Requested_Sizes;
int Null_On_Call = -1;  // 0 for the first call, ...

void* HOST_CDECL Test_Host_New(uint32_t size) {
  const int call = static_cast<int>(Requested_Sizes.size());
  Requested_Sizes.push_back(size);
  return call == Null_On_Call ? nullptr : sim::TrackingAllocator::Instance().Allocate(size);
}

class VectorMathConstruction : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_entries_ = HostEntries;
    HostEntries.Host_New = Test_Host_New;
    Requested_Sizes.clear();
    Null_On_Call = -1;
  }
  void TearDown() override {
    HostEntries = saved_entries_;
    Vector3Math = nullptr;
    Vector4Math = nullptr;
  }

  HostEntryTable saved_entries_;
};

const char* Name_Of(const _Vector4MathFunctions* table) {
  if (!table) return "null";
  if (typeid(*table) == typeid(_Vector4MathFunctionsSSE)) return "SSE";
  return typeid(*table) == typeid(_Vector4MathFunctions) ? "plain" : "other";
}

TEST_F(VectorMathConstruction, FlagByteChoosesThe4VectorClass) {
  // A page the flag entry can point into that cannot be read: it counts as zero.
  void* unreadable = VirtualAlloc(nullptr, 4096, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  ASSERT_NE(unreadable, nullptr);
  *static_cast<uint8_t*>(unreadable) = 1;
  DWORD old;
  ASSERT_TRUE(VirtualProtect(unreadable, 4096, PAGE_NOACCESS, &old));

  uint8_t flag_bytes[] = {0, 1, 0x80, 0xFF};
  struct Case {
    const char* what;
    const volatile uint8_t* flag;
    const char* expected;
  } const cases[] = {
      {"empty flag entry", nullptr, "plain"},
      {"flag byte 0", &flag_bytes[0], "plain"},
      {"flag byte 1", &flag_bytes[1], "SSE"},
      {"flag byte 0x80", &flag_bytes[2], "SSE"},
      {"flag byte 0xFF", &flag_bytes[3], "SSE"},
      {"unreadable flag byte", static_cast<uint8_t*>(unreadable), "plain"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    HostEntries.Host_SSE_Flag = c.flag;
    Requested_Sizes.clear();
    Build_Vector_Math_Tables();

    EXPECT_STREQ(Name_Of(Vector4Math), c.expected) << "case " << i << ": " << c.what;
    ASSERT_NE(Vector3Math, nullptr) << "case " << i << ": " << c.what;
    EXPECT_TRUE(typeid(*Vector3Math) == typeid(_Vector3MathFunctions)) << "case " << i << ": " << c.what;
    // Two blocks of the host allocator, each just a vtable pointer.
    EXPECT_EQ(Requested_Sizes, (std::vector<uint32_t>{4, 4})) << "case " << i << ": " << c.what;
    EXPECT_TRUE(sim::TrackingAllocator::Instance().Is_Live(Vector3Math)) << "case " << i;
    EXPECT_TRUE(sim::TrackingAllocator::Instance().Is_Live(Vector4Math)) << "case " << i;
  }
  // The last object built is in use.
  Vector4 out = {};
  Vector4Math->Add({1, 2, 3, 4}, {10, 20, 30, 40}, out);
  EXPECT_EQ(out.w, 44.0f);
  VirtualFree(unreadable, 0, MEM_RELEASE);
}

TEST_F(VectorMathConstruction, NullAllocationLeavesItsPointerNull) {
  const uint8_t sse = 1;
  HostEntries.Host_SSE_Flag = &sse;
  struct Case {
    int null_on_call;
    bool vector3_built, vector4_built;
  } const cases[] = {{0, false, true}, {1, true, false}};
  for (size_t i = 0; i < std::size(cases); ++i) {
    // Leftovers that a forgotten store would leave in place.
    Vector3Math = reinterpret_cast<_Vector3MathFunctions*>(0x1);
    Vector4Math = reinterpret_cast<_Vector4MathFunctions*>(0x1);
    Null_On_Call = cases[i].null_on_call;
    Requested_Sizes.clear();
    Build_Vector_Math_Tables();
    EXPECT_EQ(Vector3Math != nullptr, cases[i].vector3_built) << "case " << i << ": " << Vector3Math;
    EXPECT_EQ(Vector4Math != nullptr, cases[i].vector4_built) << "case " << i << ": " << Vector4Math;
    EXPECT_EQ(Requested_Sizes.size(), 2u) << "case " << i << ": both tables are tried";
  }
}

// On an unrecognised host there is no allocator: building the tables runs detection once,
// which builds them itself without a way back into detection, and every pointer stays null.
TEST(VectorMathConstructionOnUnknownHost, BuildsNothingAndReturns) {
  sim::Install_Build(sim::Build::Unknown);
  ASSERT_FALSE(Host_Build_Detection_Has_Run());
  ASSERT_EQ(HostEntries.Host_New, nullptr);
  const uint64_t mark = sim::TrackingAllocator::Instance().Mark();

  Build_Vector_Math_Tables();

  EXPECT_TRUE(Host_Build_Detection_Has_Run());
  EXPECT_EQ(HostBuild, HOST_BUILD_UNRECOGNISED);
  EXPECT_EQ(Vector3Math, nullptr);
  EXPECT_EQ(Vector4Math, nullptr);
  EXPECT_EQ(sim::TrackingAllocator::Instance().Allocations_Since(mark), 0u);
}

}  // namespace
