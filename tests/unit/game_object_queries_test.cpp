// Game object queries against the simulated host's objects, players and purchase lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/game_object_queries.h"
#include "engine/host_build.h"
#include "host/command_table.h"
#include "host/destroy_request.h"
#include "tests/sim/command_table.h"
#include "tests/sim/game_object.h"
#include "tests/sim/host_image.h"
#include "tests/sim/host_world.h"

namespace {

// A script as the host sees one: only its name slot (1) is used by the queries.
struct FakeScript {
  void** virtual_table;
  const char* name;
};
const char* __attribute__((thiscall)) Fake_Script_Name(FakeScript* self) { return self->name; }
void* Fake_Script_Table[2] = {nullptr, reinterpret_cast<void*>(&Fake_Script_Name)};

std::vector<void*> Destroy_Requests;
void __attribute__((cdecl)) Record_Destroy_Request(ScriptImpClass* script) { Destroy_Requests.push_back(script); }

class QueryTest : public ::testing::Test {
 protected:
  // Detection runs once per process, so each fixture plays one build.
  virtual sim::Build Host_Build() const { return sim::Build::First; }

  void SetUp() override {
    sim::Install_Build(Host_Build());
    Detect_Host_Build();
    table_.Set(Command::Get_Object_ID::Word, reinterpret_cast<const void*>(&sim::Get_Object_ID));
    HostCommands = reinterpret_cast<HostCommandTable*>(&table_);
    world().Clear();
    Destroy_Requests.clear();
    DestroyRequestCallback = &Record_Destroy_Request;
  }

  static sim::HostWorld& world() { return sim::HostWorld::Instance(); }

  // A soldier of a player with the given id and team.
  void Make_Player_Soldier(sim::GameObjectRecord& soldier, int32_t id, int32_t team) {
    soldier.IsSoldier = true;
    soldier.PlayerData = &world().Add_Player(id, team);
  }

  FakeScript& Script(const char* name) {
    scripts_.push_back(std::make_unique<FakeScript>(FakeScript{Fake_Script_Table, name}));
    return *scripts_.back();
  }

  sim::CommandTableRecord table_;
  std::vector<std::unique_ptr<FakeScript>> scripts_;
};

TEST_F(QueryTest, NullAndUnknownObjectsGiveNeutralAnswers) {
  sim::GameObjectRecord dead;
  Make_Player_Soldier(dead, 4, 1);
  dead.Id = 0;  // the host no longer knows it
  for (sim::GameObjectRecord* object : {static_cast<sim::GameObjectRecord*>(nullptr), &dead}) {
    const char* which = object ? "dead object" : "null";
    EXPECT_EQ(Get_Player_ID(object), -1) << which;
    EXPECT_EQ(Get_Player_Team(object), 0) << which;
    EXPECT_FALSE(Is_In_Vehicle(object)) << which;
    EXPECT_FALSE(Is_Script_Attached(object, "DamagedSetter")) << which;
    Remove_Script(object);
  }
  EXPECT_TRUE(Destroy_Requests.empty());
}

TEST_F(QueryTest, PlayerIdAndTeamComeFromTheSoldiersPlayer) {
  sim::GameObjectRecord plain, unmanned, soldier, orphan;
  unmanned.IsSoldier = true;
  Make_Player_Soldier(soldier, 7, 1);
  Make_Player_Soldier(orphan, 9, 1);
  world().Remove_Player(9);  // the soldier still points at data, but the host has no record

  EXPECT_EQ(Get_Player_ID(&plain), -1) << "not a soldier";
  EXPECT_EQ(Get_Player_ID(&unmanned), -1) << "no player controls it";
  EXPECT_EQ(Get_Player_Team(&unmanned), 0);
  EXPECT_EQ(Get_Player_ID(&soldier), 7);
  EXPECT_EQ(Get_Player_Team(&soldier), 1);
}

TEST_F(QueryTest, InVehicleOnlyWhenSittingInAValidVehicle) {
  sim::GameObjectRecord soldier, vehicle, gone_vehicle, not_a_vehicle;
  Make_Player_Soldier(soldier, 1, 0);
  vehicle.IsVehicle = true;
  gone_vehicle.IsVehicle = true;
  gone_vehicle.Id = 0;

  EXPECT_FALSE(Is_In_Vehicle(&soldier)) << "on foot";
  soldier.Vehicle = &vehicle;
  EXPECT_TRUE(Is_In_Vehicle(&soldier));
  soldier.Vehicle = &gone_vehicle;
  EXPECT_FALSE(Is_In_Vehicle(&soldier)) << "a vehicle the host no longer knows";
  soldier.Vehicle = &not_a_vehicle;
  EXPECT_FALSE(Is_In_Vehicle(&soldier)) << "an object that answers it is no vehicle";
  vehicle.Vehicle = nullptr;
  EXPECT_FALSE(Is_In_Vehicle(&vehicle)) << "a vehicle is no soldier";
}

TEST_F(QueryTest, PresetCostIsTheFirstPlaceThatHoldsTheDefinitionId) {
  world().Define("soldier", 50);
  world().Define("unlisted", 51);
  auto& record = world().Team_Purchase(0);
  record.DefinitionId = 99;
  record.Cost = 1;
  auto& list1 = world().Purchase_List(1, 0);
  auto& list3 = world().Purchase_List(3, 0);
  list1.Ids[7] = 50, list1.Costs[7] = 700;
  list1.Ids[2] = 50, list1.Costs[2] = 200;
  list3.Ids[0] = 50, list3.Costs[0] = 300;
  list3.Alternatives[4][2] = 60, list3.Costs[4] = 440;  // only as entry 4's third alternative
  world().Define("alternative", 60);
  // Every id that no list names is 0, so a name without definition (wanted id 0) finds
  // the first place that holds 0: entry 0 of category 1.
  list1.Costs[0] = 15;

  struct Case {
    const char* name;
    int32_t team, cost;
  } cases[] = {
      {"soldier", 0, 200},      // category 1 before 3, entry 2 before 7
      {"alternative", 0, 440},  // third alternative of entry 4
      {"unlisted", 0, 0},       // found nowhere
      {"no such preset", 0, 15},
      {nullptr, 0, 15},
      {"soldier", 1, 0},  // the other team has no lists and a record that holds 0
  };
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(Get_Preset_Cost(cases[i].name, cases[i].team), cases[i].cost) << "case " << i;

  record.DefinitionId = 50;
  EXPECT_EQ(Get_Preset_Cost("soldier", 0), 1) << "the team's record comes before every list";
}

TEST_F(QueryTest, ScriptNamesMatchWithoutRegardToCaseButWhole) {
  sim::GameObjectRecord object;
  EXPECT_FALSE(Is_Script_Attached(&object, "DamagedSetter")) << "no scripts";
  FakeScript &upper = Script("DAMAGEDSETTER"), &prefixed = Script("DamagedSetterX"), &lower = Script("damagedsetter"),
             &other = Script("MDB_SSGM_Block_Refill");
  for (FakeScript* script : {&upper, &prefixed, &lower, &other}) object.Add_Script(script);

  EXPECT_TRUE(Is_Script_Attached(&object, "DamagedSetter"));
  EXPECT_TRUE(Is_Script_Attached(&object, "mdb_ssgm_block_refill"));
  EXPECT_FALSE(Is_Script_Attached(&object, "MDB_SSGM"));

  Remove_Script(&object);
  EXPECT_EQ(Destroy_Requests, (std::vector<void*>{&upper, &lower}));

  Destroy_Requests.clear();
  DestroyRequestCallback = nullptr;
  Remove_Script(&object);
  EXPECT_TRUE(Destroy_Requests.empty()) << "without a destroy function nothing is asked";
}

class QueryOnThirdBuildTest : public QueryTest {
  sim::Build Host_Build() const override { return sim::Build::Third; }
};

TEST_F(QueryOnThirdBuildTest, BuildWithoutPlayerAndPurchaseEntriesAnswersNeutrally) {
  sim::GameObjectRecord soldier;
  Make_Player_Soldier(soldier, 3, 1);
  EXPECT_EQ(Get_Player_ID(&soldier), 3) << "the player id needs no host entry";
  EXPECT_EQ(Get_Player_Team(&soldier), 0);
  EXPECT_EQ(Get_Preset_Cost("soldier", 0), 0);
}

}  // namespace
