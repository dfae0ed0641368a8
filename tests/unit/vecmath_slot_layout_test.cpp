// Every slot of the three tables called by position, the way the host calls them: through
// the object's vtable, thiscall, object in ECX, arguments removed by the callee.
#include <gtest/gtest.h>

#include <functional>

#include "engine/host_calling.h"
#include "tests/unit/vecmath_test_support.h"
#include "vecmath/vector3_math.h"
#include "vecmath/vector4_math.h"
#include "vecmath/vector4_math_sse.h"

namespace {

void* Slot(void* object, int index) { return (*static_cast<void***>(object))[index]; }

template <class F>
F Slot_As(void* object, int index) {
  return reinterpret_cast<F>(Slot(object, index));
}

template <class V>
struct Forms {
  using Value = V(HOST_THISCALL*)(void* self, const V& a, const V& b);
  using Value_Scalar = V(HOST_THISCALL*)(void* self, const V& a, const float& s);
  using Out = void(HOST_THISCALL*)(void* self, const V& a, const V& b, V& out);
  using Out_Scalar = void(HOST_THISCALL*)(void* self, const V& a, const float& s, V& out);
};

// Inputs whose results are exact: a = (2, -3, 4[, 1]), b = (4, 6, -8[, -0.5]), s = 2.
template <class V>
struct SlotCase {
  int slot;
  std::function<V(void* object)> call;
  V expected;
};

template <class V>
std::vector<SlotCase<V>> Arithmetic_Slots(const V& a, const V& b, const V& sum, const V& difference,
                                          const V& scaled, const V& product, const V& halved, const V& quotient) {
  using F = Forms<V>;
  static const float s = 2;
  return {
      {0, [=](void* o) { return Slot_As<typename F::Value>(o, 0)(o, a, b); }, sum},
      {1, [=](void* o) { V out{}; Slot_As<typename F::Out>(o, 1)(o, a, b, out); return out; }, sum},
      {2, [=](void* o) { return Slot_As<typename F::Value>(o, 2)(o, a, b); }, difference},
      {3, [=](void* o) { V out{}; Slot_As<typename F::Out>(o, 3)(o, a, b, out); return out; }, difference},
      {4, [=](void* o) { return Slot_As<typename F::Value_Scalar>(o, 4)(o, a, s); }, scaled},
      {5, [=](void* o) { return Slot_As<typename F::Value>(o, 5)(o, a, b); }, product},
      {6, [=](void* o) { V out{}; Slot_As<typename F::Out_Scalar>(o, 6)(o, a, s, out); return out; }, scaled},
      {7, [=](void* o) { V out{}; Slot_As<typename F::Out>(o, 7)(o, a, b, out); return out; }, product},
      {8, [=](void* o) { return Slot_As<typename F::Value_Scalar>(o, 8)(o, a, s); }, halved},
      {9, [=](void* o) { return Slot_As<typename F::Value>(o, 9)(o, a, b); }, quotient},
      {10, [=](void* o) { V out{}; Slot_As<typename F::Out_Scalar>(o, 10)(o, a, s, out); return out; }, halved},
      {11, [=](void* o) { V out{}; Slot_As<typename F::Out>(o, 11)(o, a, b, out); return out; }, quotient},
  };
}

TEST(VectorMathSlots, Vector3TableAnswersEachSlotByPosition) {
  const Vector3 a = {2, -3, 4}, b = {4, 6, -8};
  auto cases = Arithmetic_Slots<Vector3>(a, b, {6, 3, -4}, {-2, -9, 12}, {4, -6, 8}, {8, -18, -32}, {1, -1.5f, 2},
                                         {0.5f, -0.5f, -0.5f});
  using Normalize_Value = Vector3(HOST_THISCALL*)(void*, const Vector3&);
  using Normalize_Out = void(HOST_THISCALL*)(void*, const Vector3&, Vector3&);
  using Dot_Value = float(HOST_THISCALL*)(void*, const Vector3&, const Vector3&);
  using Dot_Out = void(HOST_THISCALL*)(void*, const Vector3&, const Vector3&, float&);
  const Vector3 axis = {0, -5, 0};
  cases.push_back({12, [=](void* o) { return Slot_As<Forms<Vector3>::Value>(o, 12)(o, a, b); }, {0, 32, 24}});
  cases.push_back({13, [=](void* o) { Vector3 out{}; Slot_As<Forms<Vector3>::Out>(o, 13)(o, a, b, out); return out; },
                   {0, 32, 24}});
  cases.push_back({14, [=](void* o) { return Slot_As<Normalize_Value>(o, 14)(o, axis); }, {0, -1, 0}});
  cases.push_back({15, [=](void* o) { Vector3 out{}; Slot_As<Normalize_Out>(o, 15)(o, axis, out); return out; },
                   {0, -1, 0}});
  cases.push_back({16, [=](void* o) { return Vector3{Slot_As<Dot_Value>(o, 16)(o, a, b), 0, 0}; }, {-42, 0, 0}});
  cases.push_back({17, [=](void* o) { Vector3 out{}; Slot_As<Dot_Out>(o, 17)(o, a, b, out.x); return out; },
                   {-42, 0, 0}});

  _Vector3MathFunctions table;
  for (const SlotCase<Vector3>& c : cases) EXPECT_EQ(c.call(&table), c.expected) << "slot " << c.slot;
}

TEST(VectorMathSlots, BothVector4TablesAnswerEachSlotByPosition) {
  const auto cases = Arithmetic_Slots<Vector4>({2, -3, 4, 1}, {4, 6, -8, -0.5f}, {6, 3, -4, 0.5f}, {-2, -9, 12, 1.5f},
                                               {4, -6, 8, 2}, {8, -18, -32, -0.5f}, {1, -1.5f, 2, 0.5f},
                                               {0.5f, -0.5f, -0.5f, -2});
  _Vector4MathFunctions plain;
  _Vector4MathFunctionsSSE sse;
  for (const SlotCase<Vector4>& c : cases) {
    EXPECT_EQ(c.call(&plain), c.expected) << "plain table, slot " << c.slot;
    EXPECT_EQ(c.call(&sse), c.expected) << "SSE table, slot " << c.slot;
  }

  // The SSE table shares the value forms and has its own out forms.
  for (int slot = 0; slot < 12; ++slot) {
    const bool out_form = slot == 1 || slot == 3 || slot == 6 || slot == 7 || slot == 10 || slot == 11;
    if (out_form)
      EXPECT_NE(Slot(&sse, slot), Slot(&plain, slot)) << "slot " << slot << " should be the SSE table's own";
    else
      EXPECT_EQ(Slot(&sse, slot), Slot(&plain, slot)) << "slot " << slot << " should be inherited";
  }
}

}  // namespace
