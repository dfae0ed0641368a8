#pragma once
// Test script classes and a fixture for the script framework, linked directly: the
// simulated host allocator is the host allocator, the plug-in's command table is the
// simulator's, and destroy requests go to the simulator's script host.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/host_allocator.h"
#include "engine/host_build.h"
#include "host/command_table.h"
#include "host/destroy_request.h"
#include "scripts/script_factory.h"
#include "tests/sim/chunk_recorder.h"
#include "tests/sim/command_table.h"
#include "tests/sim/event_log.h"
#include "tests/sim/game_object.h"
#include "tests/sim/host_image.h"
#include "tests/sim/script_commands.h"
#include "tests/sim/script_host.h"
#include "tests/sim/tracking_allocator.h"

namespace script_test {

inline std::string Id(GameObject* object) {
  return object ? std::to_string(static_cast<sim::GameObjectRecord*>(object)->Id) : "none";
}

// Overrides the four events that scripts override, and logs each as "probe: <event>".
class ProbeScript : public ScriptImpClass {
 public:
  void On_Created(GameObject* object) override { sim::Log("probe: created on " + Id(object)); }
  void On_Killed(GameObject* object, GameObject* killer) override {
    sim::Log("probe: killed on " + Id(object) + " by " + Id(killer));
  }
  void On_Damaged(GameObject* object, GameObject* damager, uint32_t) override {
    sim::Log("probe: damaged on " + Id(object) + " by " + Id(damager));
  }
  void On_Timer_Expired(GameObject* object, int32_t number) override {
    sim::Log("probe: timer " + std::to_string(number) + " on " + Id(object));
  }
  void On_Constructed() override { ++ConstructedCalls; }
  int32_t ConstructedCalls = 0;
};

// Overrides nothing: every slot is ScriptImpClass's.
class BareScript : public ScriptImpClass {};

// A chain of 0.01-second timers; at the third tick, with the next timer already started,
// it asks to be destroyed and then logs once more, which shows that the host destroys it
// only after the event.
class CountdownScript : public ScriptImpClass {
 public:
  void On_Created(GameObject* object) override { Host_Command<Command::Start_Timer>()(object, this, 0.01f, 1); }
  void On_Timer_Expired(GameObject* object, int32_t number) override {
    if (number != 1) return;
    Host_Command<Command::Start_Timer>()(object, this, 0.01f, 1);
    if (++Ticks < 3) return;
    Request_Destroy(this);
    sim::Log("countdown: asked to go after tick " + std::to_string(Ticks));
  }
  int32_t Ticks = 0;
};

// Create_Script as the simulated host calls it.
inline void* __attribute__((cdecl)) Create_Through_Registry(const char* name) { return Create_Registered_Script(name); }

// A server of the first build with the script commands in its command table, destroy
// requests going to the script host, and the three test classes registered. Every test
// must end with no block left and no faulty release.
class ScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::Install_Build(sim::Build::First);
    Detect_Host_Build();
    sim::Install_Script_Commands(table_);
    HostCommands = reinterpret_cast<HostCommandTable*>(&table_);
    DestroyRequestCallback = reinterpret_cast<DestroyRequestFunction>(sim::ScriptHost::Destroy_Request_Function());
    sim::ScriptHost::Instance().Reset(&Create_Through_Registry);
    sim::ChunkRecorder::Instance().Reset();
    sim::Clear_Events();
    mark_ = Memory().Mark();
  }

  void TearDown() override {
    sim::ScriptHost::Instance().Remove_All_Objects();
    const auto live = Memory().Live_Since(mark_);
    EXPECT_TRUE(live.empty()) << live.size() << " blocks left, the first of " << (live.empty() ? 0 : live[0].size)
                              << " bytes";
    EXPECT_TRUE(Memory().Faulty_Releases().empty()) << "first faulty release: " << Memory().Faulty_Releases().front();
  }

  // A game object that outlives the test body, so that TearDown can remove its scripts.
  sim::GameObjectRecord& New_Object() { return *objects_.emplace_back(std::make_unique<sim::GameObjectRecord>()); }

  static sim::TrackingAllocator& Memory() { return sim::TrackingAllocator::Instance(); }
  static sim::ScriptHost& Host() { return sim::ScriptHost::Instance(); }

  std::vector<std::unique_ptr<sim::GameObjectRecord>> objects_;
  sim::CommandTableRecord table_;
  uint64_t mark_ = 0;
  ScriptRegistrant<ProbeScript> probe_{"Probe_Script", "no parameters"};
  ScriptRegistrant<BareScript> bare_{"bare_script", ""};
  ScriptRegistrant<CountdownScript> countdown_{"countdown_script", ""};
};

}  // namespace script_test
