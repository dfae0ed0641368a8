// The registry: factories link in at the front and unlink themselves, Create_Script finds
// them by name ignoring ASCII case and builds a script through the host allocator.
#include <cstring>
#include <new>

#include "engine/host_entry_table.h"
#include "tests/unit/script_test_support.h"

namespace script_test {
namespace {

std::vector<std::string> Registered_Names() {
  std::vector<std::string> names;
  for (const ScriptFactory* factory = FactoryList; factory; factory = factory->Next) names.push_back(factory->ScriptName);
  return names;
}

using RegistryTest = ScriptTest;

TEST_F(RegistryTest, FactoriesGoInAtTheFrontAndTheListEndsEmptyWhenTheyAreGone) {
  ScriptFactory* const before = FactoryList;
  FactoryList = nullptr;  // only this test's factories from here on
  {
    ScriptRegistrant<BareScript> first("first", "");
    void* block = Host_Allocate(sizeof(ScriptRegistrant<BareScript>));
    auto* middle = new (block) ScriptRegistrant<BareScript>("middle", "");
    ScriptRegistrant<BareScript> last("last", "");
    EXPECT_EQ(Registered_Names(), (std::vector<std::string>{"last", "middle", "first"}));

    // A factory taken out from the middle; flag 0 destroys it and leaves its memory.
    EXPECT_EQ(middle->Destroy(0), middle);
    EXPECT_TRUE(Memory().Is_Live(middle));
    Host_Release(middle);
    EXPECT_EQ(Registered_Names(), (std::vector<std::string>{"last", "first"}));
  }
  EXPECT_EQ(FactoryList, nullptr) << "after the destructors the list is empty";
  FactoryList = before;
}

TEST_F(RegistryTest, DeletingFormOfAFactoryGivesItsMemoryBack) {
  void* block = Host_Allocate(sizeof(ScriptRegistrant<BareScript>));
  auto* factory = new (block) ScriptRegistrant<BareScript>("heap_factory", "");
  ASSERT_EQ(Registered_Names().front(), "heap_factory");
  EXPECT_EQ(factory->Destroy(1), block);
  EXPECT_FALSE(Memory().Is_Live(block));
  EXPECT_EQ(Registered_Names(), (std::vector<std::string>{"countdown_script", "bare_script", "Probe_Script"}));
}

struct LookupCase {
  const char* request;
  const char* created;  // the factory's name, or null when nothing is created
};

TEST_F(RegistryTest, CreateScriptMatchesWholeNamesIgnoringAsciiCase) {
  const LookupCase cases[] = {
      {"Probe_Script", "Probe_Script"},
      {"probe_script", "Probe_Script"},
      {"PROBE_SCRIPT", "Probe_Script"},
      {"BARE_script", "bare_script"},
      {"countdown_script", "countdown_script"},
      {nullptr, nullptr},
      {"", nullptr},
      {"Probe_Script ", nullptr},
      {" Probe_Script", nullptr},
      {"Probe_Scrip", nullptr},
      {"Probe_Script_", nullptr},
      {"MDB_SSGM_Block_Refill", nullptr},
      {"Probe\xDFScript", nullptr},  // a non-ASCII byte where the underscore is
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const LookupCase& c = cases[i];
    const uint64_t mark = Memory().Mark();
    ScriptImpClass* script = Create_Registered_Script(c.request);
    if (!c.created) {
      EXPECT_EQ(script, nullptr) << "case " << i;
      EXPECT_EQ(Memory().Allocations_Since(mark), 0u) << "case " << i << ": nothing is allocated";
      continue;
    }
    ASSERT_NE(script, nullptr) << "case " << i;
    EXPECT_STREQ(script->Get_Script_Name(), c.created) << "case " << i << ": the factory's own text";
    EXPECT_EQ(Memory().Allocations_Since(mark), 1u) << "case " << i << ": the script is one host block";
    EXPECT_TRUE(Memory().Is_Live(script)) << "case " << i;
    script->Destroy(1);
  }
}

TEST_F(RegistryTest, CreatedScriptStartsEmptyWithItsFactoryAndOnConstructedRunOnce) {
  auto* script = static_cast<ProbeScript*>(Create_Registered_Script("probe_script"));
  ASSERT_NE(script, nullptr);
  EXPECT_EQ(script->ObserverWord, 0u);
  EXPECT_EQ(script->Owner, nullptr);
  EXPECT_EQ(script->ParameterCount, 0);
  EXPECT_EQ(script->Parameters, nullptr);
  EXPECT_EQ(script->Factory, &probe_);
  EXPECT_EQ(script->AutoSaveList, nullptr);
  EXPECT_EQ(script->ConstructedCalls, 1);
  script->Destroy(1);
}

// A script class whose own member holds a host block: slot 0 must run the class's whole
// destructor, not only the base's, or the block would leak.
class HoldingScript : public ScriptImpClass {
 public:
  struct Holder {
    Holder() noexcept : block(Host_Allocate(40)) {}
    ~Holder() { Host_Release(block); }
    void* block;
  } Held;
};

TEST_F(RegistryTest, SlotZeroOfARegisteredClassRunsItsCompleteDestructor) {
  ScriptRegistrant<HoldingScript> holding("holding_script", "");
  auto* script = static_cast<HoldingScript*>(Create_Registered_Script("holding_script"));
  ASSERT_NE(script, nullptr);
  void* held = script->Held.block;
  ASSERT_TRUE(Memory().Is_Live(held));
  script->Set_Parameter_Text("a,b");
  EXPECT_EQ(script->Destroy(1), script);
  EXPECT_FALSE(Memory().Is_Live(held)) << "the member's destructor ran";
  EXPECT_FALSE(Memory().Is_Live(script));
}

TEST_F(RegistryTest, WithoutAHostAllocatorCreateAnswersNull) {
  // With no host build recognised there is no allocator: Create answers null, no fault.
  HostEntryTable saved = HostEntries;
  HostEntries = {};  // detection has run already and will not fill the entries again
  EXPECT_EQ(Create_Registered_Script("probe_script"), nullptr);
  HostEntries = saved;
  ScriptImpClass* script = Create_Registered_Script("probe_script");
  EXPECT_NE(script, nullptr);
  if (script) script->Destroy(1);
}

}  // namespace
}  // namespace script_test
