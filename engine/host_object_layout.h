#pragma once
#include <cstddef>
#include <cstdint>

#include "engine/host_calling.h"

// The parts of the host's game objects and records that the queries read. The host owns
// them all; the plug-in never writes or releases them. The layout is the same in every
// host build. Only the fields named here are the plug-in's business; the rest is padding.

// Virtual function positions, each called with the object as its only argument.
namespace HostSlot {
constexpr uint32_t GameObject_As_Soldier = 17;  // the object as a soldier, or null
constexpr uint32_t GameObject_Is_Vehicle = 10;  // non-zero for a vehicle
constexpr uint32_t Script_Get_Name = 1;         // an attached script's name
constexpr uint32_t Definition_Get_Id = 9;       // a definition's id
}  // namespace HostSlot

struct HostGameObject {
  void** VirtualTable;
  uint8_t Host4[1772];
  void** Scripts;  // the attached scripts
  uint8_t Host1780[4];
  int32_t ScriptCount;
};
static_assert(offsetof(HostGameObject, Scripts) == 1776, "attached scripts array at 1776");
static_assert(offsetof(HostGameObject, ScriptCount) == 1784, "attached script count at 1784");

struct HostPlayerData;

struct HostSoldier {
  uint8_t Host0[2400];
  HostPlayerData* PlayerData;  // null when no player controls the soldier
  uint8_t Host2404[40];
  HostGameObject* Vehicle;  // null on foot
};
static_assert(offsetof(HostSoldier, PlayerData) == 2400, "player data at 2400");
static_assert(offsetof(HostSoldier, Vehicle) == 2444, "vehicle at 2444");

struct HostPlayerData {
  uint8_t Host0[1884];
  int32_t PlayerId;
};
static_assert(offsetof(HostPlayerData, PlayerId) == 1884, "player id at 1884");

// A player record from Find_Player: Get_Player_Value on the sub-object at 1900 answers the team.
constexpr uint32_t HostPlayerRecord_TeamSubObject = 1900;

struct HostTeamPurchaseRecord {
  uint8_t Host0[80];
  int32_t Cost;
  uint32_t DefinitionId;
};
static_assert(offsetof(HostTeamPurchaseRecord, Cost) == 80, "cost at 80");
static_assert(offsetof(HostTeamPurchaseRecord, DefinitionId) == 84, "definition id at 84");

struct HostPurchaseList {
  static constexpr uint32_t Entries = 10, Alternatives = 3;
  uint8_t Host0[36];
  int32_t Costs[Entries];
  uint32_t DefinitionIds[Entries];
  uint8_t Host116[80];
  uint32_t AlternativeIds[Entries][Alternatives];
};
static_assert(offsetof(HostPurchaseList, Costs) == 36, "entry costs at 36");
static_assert(offsetof(HostPurchaseList, DefinitionIds) == 76, "entry definition ids at 76");
static_assert(offsetof(HostPurchaseList, AlternativeIds) == 196, "three alternative ids per entry at 196");

// Calls virtual function `slot` of a host object that takes no argument but the object.
template <class Result>
Result Call_Host_Virtual(void* object, uint32_t slot) {
  using Function = Result(HOST_THISCALL*)(void*);
  return reinterpret_cast<Function>((*static_cast<void***>(object))[slot])(object);
}
