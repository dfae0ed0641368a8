// The vector math table objects that brakewater.dll builds while it loads, found in the
// simulated host allocator and driven only by slot position, the way the host would.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "tests/sim/host_fixture.h"

namespace sim {
namespace {

struct V3 {
  float x, y, z;
  bool operator==(const V3&) const = default;
};
struct V4 {
  float x, y, z, w;
  bool operator==(const V4&) const = default;
};
void PrintTo(const V3& v, std::ostream* os) { *os << "(" << v.x << ", " << v.y << ", " << v.z << ")"; }
void PrintTo(const V4& v, std::ostream* os) { *os << "(" << v.x << ", " << v.y << ", " << v.z << ", " << v.w << ")"; }

// Out form slots as the host calls them: thiscall, object in ECX, vectors and the scalar by
// reference.
template <class V>
using Out = void(__attribute__((thiscall))*)(void* self, const V& a, const V& b, V& out);
template <class V>
using Out_Scalar = void(__attribute__((thiscall))*)(void* self, const V& a, const float& s, V& out);
using Normalize_Out = void(__attribute__((thiscall))*)(void* self, const V3& a, V3& out);
using Dot_Out = void(__attribute__((thiscall))*)(void* self, const V3& a, const V3& b, float& out);

void** Vtable_Of(void* object) { return *static_cast<void***>(object); }

template <class F>
F Slot(void* object, int index) {
  return reinterpret_cast<F>(Vtable_Of(object)[index]);
}

template <class V>
V Call_Out(void* object, int slot, const V& a, const V& b) {
  V out{};
  Slot<Out<V>>(object, slot)(object, a, b, out);
  return out;
}

template <class V>
V Call_Out_Scalar(void* object, int slot, const V& a, float s) {
  V out{};
  Slot<Out_Scalar<V>>(object, slot)(object, a, s, out);
  return out;
}

constexpr int Value_Form_Slots[] = {0, 2, 4, 5, 8, 9};
constexpr int Out_Form_Slots[] = {1, 3, 6, 7, 10, 11};

// What one load of the library built, as offsets from the module base, so that two loads
// can be compared wherever Windows placed the module.
struct BuiltTables {
  uintptr_t vector3_vtable = 0, vector4_vtable = 0;
  uintptr_t vector4_slots[12] = {};
};

class VectorMathTablesTest : public HostTest {
 protected:
  uintptr_t Module_Offset(const void* address) const {
    return reinterpret_cast<uintptr_t>(address) - reinterpret_cast<uintptr_t>(plugin_.Module());
  }

  uintptr_t Module_Size() const {
    const auto* base = reinterpret_cast<const uint8_t*>(plugin_.Module());
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    return reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew)->OptionalHeader.SizeOfImage;
  }

  // Loads the library into the given build and finds its two table objects: the first two
  // blocks it allocated (detection builds them before anything else can allocate), the
  // 3-vector one first, each just a pointer to a vtable inside the module.
  void Load_And_Find(Build build, uint8_t sse_flag, void*& vector3, void*& vector4) {
    ASSERT_TRUE(Load_Into(build, sse_flag)) << "build " << int(build) << " was refused";
    std::vector<Block> blocks = Allocator().Live_Since(load_mark_);
    std::sort(blocks.begin(), blocks.end(), [](const Block& l, const Block& r) { return l.serial < r.serial; });
    ASSERT_GE(blocks.size(), 2u) << "blocks allocated while loading";
    for (int i = 0; i < 2; ++i) {
      ASSERT_EQ(blocks[i].size, 4u) << "block " << i << " allocated while loading should be a table object";
      const uintptr_t vtable_offset = Module_Offset(Vtable_Of(reinterpret_cast<void*>(blocks[i].address)));
      ASSERT_LT(vtable_offset, Module_Size()) << "block " << i << " should point to a vtable in the module";
    }
    vector3 = reinterpret_cast<void*>(blocks[0].address);
    vector4 = reinterpret_cast<void*>(blocks[1].address);
  }

  // Checks the out form slots of both objects against exact sums and records the tables.
  void Check_And_Record(const std::string& load, void* vector3, void* vector4, BuiltTables& built) {
    const V3 a3 = {2, -3, 4}, b3 = {4, 6, -8};
    EXPECT_EQ(Call_Out(vector3, 1, a3, b3), (V3{6, 3, -4})) << load << ": 3-vector slot 1 (Add)";
    EXPECT_EQ(Call_Out(vector3, 3, a3, b3), (V3{-2, -9, 12})) << load << ": 3-vector slot 3 (Subtract)";
    EXPECT_EQ(Call_Out_Scalar(vector3, 6, a3, 2), (V3{4, -6, 8})) << load << ": 3-vector slot 6 (Multiply by s)";
    EXPECT_EQ(Call_Out(vector3, 7, a3, b3), (V3{8, -18, -32})) << load << ": 3-vector slot 7 (Multiply)";
    EXPECT_EQ(Call_Out_Scalar(vector3, 10, a3, 2), (V3{1, -1.5f, 2})) << load << ": 3-vector slot 10 (Divide by s)";
    EXPECT_EQ(Call_Out(vector3, 11, a3, b3), (V3{0.5f, -0.5f, -0.5f})) << load << ": 3-vector slot 11 (Divide)";
    EXPECT_EQ(Call_Out(vector3, 13, a3, b3), (V3{0, 32, 24})) << load << ": 3-vector slot 13 (Cross_Product)";
    V3 unit{};
    Slot<Normalize_Out>(vector3, 15)(vector3, {0, -5, 0}, unit);
    EXPECT_EQ(unit, (V3{0, -1, 0})) << load << ": 3-vector slot 15 (Normalize)";
    float dot = 0;
    Slot<Dot_Out>(vector3, 17)(vector3, a3, b3, dot);
    EXPECT_EQ(dot, -42.0f) << load << ": 3-vector slot 17 (Dot_Product)";

    const V4 a4 = {2, -3, 4, 1}, b4 = {4, 6, -8, -0.5f};
    EXPECT_EQ(Call_Out(vector4, 1, a4, b4), (V4{6, 3, -4, 0.5f})) << load << ": 4-vector slot 1 (Add)";
    EXPECT_EQ(Call_Out(vector4, 3, a4, b4), (V4{-2, -9, 12, 1.5f})) << load << ": 4-vector slot 3 (Subtract)";
    EXPECT_EQ(Call_Out_Scalar(vector4, 6, a4, 2), (V4{4, -6, 8, 2})) << load << ": 4-vector slot 6 (Multiply by s)";
    EXPECT_EQ(Call_Out(vector4, 7, a4, b4), (V4{8, -18, -32, -0.5f})) << load << ": 4-vector slot 7 (Multiply)";
    EXPECT_EQ(Call_Out_Scalar(vector4, 10, a4, 2), (V4{1, -1.5f, 2, 0.5f}))
        << load << ": 4-vector slot 10 (Divide by s)";
    EXPECT_EQ(Call_Out(vector4, 11, a4, b4), (V4{0.5f, -0.5f, -0.5f, -2})) << load << ": 4-vector slot 11 (Divide)";

    built.vector3_vtable = Module_Offset(Vtable_Of(vector3));
    built.vector4_vtable = Module_Offset(Vtable_Of(vector4));
    for (int slot = 0; slot < 12; ++slot) built.vector4_slots[slot] = Module_Offset(Vtable_Of(vector4)[slot]);
  }
};

// Loads the library once per host configuration. The flag byte 0 load shows the plain
// 4-vector class and the flag byte 1 load the SSE class: they share the value forms and
// differ in every out form. Every other configuration must build one of those two.
TEST_F(VectorMathTablesTest, HostFlagByteChoosesThe4VectorClassAndTheSlotsCompute) {
  struct Configuration {
    const char* name;
    Build build;
    uint8_t sse_flag;
    bool sse_expected;
  } const configurations[] = {
      {"first build, flag 0", Build::First, 0, false},
      {"first build, flag 1", Build::First, 1, true},
      {"second build, flag 0x80", Build::Second, 0x80, true},
      {"second build, flag 0", Build::Second, 0, false},
      {"third build, no flag entry", Build::Third, 1, false},  // the byte has no address to go to
  };
  BuiltTables built[std::size(configurations)];
  for (size_t i = 0; i < std::size(configurations); ++i) {
    const Configuration& c = configurations[i];
    void *vector3 = nullptr, *vector4 = nullptr;
    ASSERT_NO_FATAL_FAILURE(Load_And_Find(c.build, c.sse_flag, vector3, vector4)) << c.name;
    Check_And_Record(c.name, vector3, vector4, built[i]);
    plugin_.Unload();
  }

  const BuiltTables& plain = built[0];
  const BuiltTables& sse = built[1];
  ASSERT_NE(plain.vector4_vtable, sse.vector4_vtable) << "flag bytes 0 and 1 built the same 4-vector class";
  for (int slot : Value_Form_Slots)
    EXPECT_EQ(plain.vector4_slots[slot], sse.vector4_slots[slot]) << "value form slot " << slot << " differs";
  for (int slot : Out_Form_Slots)
    EXPECT_NE(plain.vector4_slots[slot], sse.vector4_slots[slot]) << "out form slot " << slot << " is shared";

  for (size_t i = 0; i < std::size(configurations); ++i) {
    const Configuration& c = configurations[i];
    EXPECT_EQ(built[i].vector3_vtable, plain.vector3_vtable) << c.name << ": the 3-vector class changed";
    const uintptr_t expected = c.sse_expected ? sse.vector4_vtable : plain.vector4_vtable;
    EXPECT_EQ(built[i].vector4_vtable, expected)
        << c.name << ": expected the " << (c.sse_expected ? "SSE" : "plain") << " 4-vector class";
  }
}

}  // namespace
}  // namespace sim
