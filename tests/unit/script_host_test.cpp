// The simulated host's script hosting, driven through the command table the way the
// plug-in drives it: Attach_Script, Start_Timer, destroy requests, damage and death.
#include "tests/sim/script_slots.h"
#include "tests/unit/script_test_support.h"

namespace script_test {
namespace {

using ScriptHostTest = ScriptTest;

std::vector<std::string> Parameters_Of(void* script) {
  auto* imp = static_cast<ScriptImpClass*>(script);
  std::vector<std::string> parameters;
  for (int32_t i = 0; i < imp->ParameterCount; ++i) parameters.push_back(imp->Parameters[i]);
  return parameters;
}

TEST_F(ScriptHostTest, AttachScriptCreatesByNameHandsOverParametersAttachesAndDeliversCreated) {
  sim::GameObjectRecord& object = New_Object();
  const std::string id = std::to_string(object.Id);
  Host().Add_Host_Own_Script("MDB_SSGM_Block_Refill");
  const auto attach = Host_Command<Command::Attach_Script>();
  attach(&object, "probe_script", "a,b");
  attach(&object, "no_such_script", "");
  attach(&object, "MDB_SSGM_Block_Refill", "0");

  ASSERT_EQ(object.ScriptCount, 2);
  void* probe = object.Scripts[0];
  EXPECT_EQ(static_cast<ScriptImpClass*>(probe)->Owner, &object);
  EXPECT_EQ(Parameters_Of(probe), (std::vector<std::string>{"a", "b"}));
  void* own = object.Scripts[1];
  EXPECT_STREQ(sim::Call_Slot<const char*>(own, sim::slot::Get_Script_Name), "MDB_SSGM_Block_Refill");
  char parameters[8];
  sim::Call_Slot<void>(own, sim::slot::Get_Parameter_Text, parameters, uint32_t{7});
  EXPECT_STREQ(parameters, "0");
  EXPECT_EQ(sim::Events(), (std::vector<std::string>{
                               "Probe_Script on " + id + ": created",
                               "probe: created on " + id,
                               "attach no_such_script to " + id + ": no such script",
                               "MDB_SSGM_Block_Refill on " + id + ": created",
                           }));
}

TEST_F(ScriptHostTest, TimersRunOnTheSimulatedClockAndADestroyRequestIsHonouredAfterTheEvent) {
  sim::GameObjectRecord& object = New_Object();
  const std::string id = std::to_string(object.Id);
  Host_Command<Command::Attach_Script>()(&object, "countdown_script", "");
  Host().Advance(0.015);
  EXPECT_EQ(sim::Events().size(), 2u) << "one tick in the first 0.015 s";
  Host().Advance(1.0);

  EXPECT_EQ(sim::Events(), (std::vector<std::string>{
                               "countdown_script on " + id + ": created",
                               "countdown_script on " + id + ": timer 1 at 0.01",
                               "countdown_script on " + id + ": timer 1 at 0.02",
                               "countdown_script on " + id + ": timer 1 at 0.03",
                               "countdown_script on " + id + ": destroy requested",
                               "countdown: asked to go after tick 3",
                               "countdown_script on " + id + ": destroyed",
                           }));
  EXPECT_EQ(object.ScriptCount, 0) << "the script left its object";
  EXPECT_EQ(Host().Pending_Timers(), 0u) << "the timer it started before asking was dropped";
  EXPECT_DOUBLE_EQ(Host().Now(), 1.015);
}

TEST_F(ScriptHostTest, DamageAndDeathReachEveryScriptOnTheVictimInOrder) {
  sim::GameObjectRecord &victim = New_Object(), &attacker = New_Object(), &bystander = New_Object();
  const std::string v = std::to_string(victim.Id), a = std::to_string(attacker.Id);
  Host().Attach(&victim, "probe_script", "");
  Host().Attach(&victim, "bare_script", "");
  Host().Attach(&bystander, "probe_script", "");
  sim::Clear_Events();

  Host().Damage(&victim, &attacker, 12.5f);
  Host().Kill(&victim, nullptr);
  EXPECT_EQ(sim::Events(), (std::vector<std::string>{
                               "Probe_Script on " + v + ": damaged by " + a,
                               "probe: damaged on " + v + " by " + a,
                               "bare_script on " + v + ": damaged by " + a,
                               "Probe_Script on " + v + ": killed by none",
                               "probe: killed on " + v + " by none",
                               "bare_script on " + v + ": killed by none",
                           }));
}

// A removed object's scripts are detached; those that ask to go are destroyed at the end
// of that event, and the host destroys the rest itself, so nothing is left either way.
TEST_F(ScriptHostTest, RemovingAnObjectDestroysEveryScriptOnIt) {
  for (bool with_callback : {true, false}) {
    DestroyRequestCallback =
        with_callback ? reinterpret_cast<DestroyRequestFunction>(sim::ScriptHost::Destroy_Request_Function()) : nullptr;
    sim::GameObjectRecord& object = New_Object();
    const std::string id = std::to_string(object.Id);
    Host().Attach(&object, "bare_script", "x");
    sim::Clear_Events();
    const uint64_t mark = Memory().Mark();
    Host().Remove_Object(&object);
    std::vector<std::string> expected = {"bare_script on " + id + ": detached"};
    if (with_callback) expected.push_back("bare_script on " + id + ": destroy requested");
    expected.push_back("bare_script on " + id + ": destroyed");
    EXPECT_EQ(sim::Events(), expected) << "with callback: " << with_callback;
    EXPECT_EQ(object.ScriptCount, 0) << "with callback: " << with_callback;
    EXPECT_EQ(Host().Live_Scripts(), 0u) << "with callback: " << with_callback;
    EXPECT_EQ(Memory().Allocations_Since(mark), 0u);
  }
}

TEST_F(ScriptHostTest, RepeatedAndUnknownDestroyRequestsDestroyNothingTwice) {
  sim::GameObjectRecord& object = New_Object();
  void* script = Host().Attach(&object, "bare_script", "");
  ASSERT_NE(script, nullptr);
  int32_t not_a_script = 0;
  DestroyRequestCallback(static_cast<ScriptImpClass*>(script));
  DestroyRequestCallback(static_cast<ScriptImpClass*>(script));
  DestroyRequestCallback(reinterpret_cast<ScriptImpClass*>(&not_a_script));
  EXPECT_TRUE(Host().Is_Live(script)) << "a request outside any event waits";
  Host().Honour_Destroy_Requests();
  EXPECT_FALSE(Host().Is_Live(script));
  EXPECT_EQ(sim::Events().back(), "bare_script on " + std::to_string(object.Id) + ": destroyed");
  EXPECT_EQ(sim::Events()[sim::Events().size() - 2], "destroy requested for an unknown script: ignored");
}

}  // namespace
}  // namespace script_test
