#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// A simulated game object with the host's layout where the plug-in relies on it. One
// record serves every kind: a plain object, a soldier (As_Soldier answers the object
// itself) or a vehicle. The host's own layout is byte offsets; the record pins them.
namespace sim {

struct PlayerDataRecord;

struct GameObjectRecord {
  static constexpr uint32_t ScriptsOffset = 1776, ScriptCountOffset = 1784;
  static constexpr uint32_t PlayerDataOffset = 2400, VehicleOffset = 2444;
  static constexpr uint32_t AsSoldierSlot = 17, IsVehicleSlot = 10, VirtualSlots = 32;

  void** VirtualTable;  // the host's table of virtual functions for game objects
  uint8_t HostBytes4[ScriptsOffset - 4];
  void** Scripts;  // array of the attached scripts (their addresses), or null
  uint32_t HostWord1780;
  int32_t ScriptCount;
  uint8_t HostBytes1788[PlayerDataOffset - 1788];
  PlayerDataRecord* PlayerData;  // soldiers: the controlling player's data, or null
  uint8_t HostBytes2404[VehicleOffset - 2404];
  GameObjectRecord* Vehicle;  // soldiers: the vehicle they sit in, or null on foot
  uint8_t HostBytes2448[64];

  // The simulator's own state, beyond the host layout.
  uint32_t Id = 0;  // Get_Object_ID answers this; 0 for a dead or unknown object
  bool IsSoldier = false;
  bool IsVehicle = false;
  bool IsPlayerSoldier = false;
  float Health = 100, MaxHealth = 100, Armor = 100, MaxArmor = 100;
  std::string PresetName;
  int32_t ScriptCapacity = 0;

  GameObjectRecord();
  ~GameObjectRecord();
  GameObjectRecord(const GameObjectRecord&) = delete;
  GameObjectRecord& operator=(const GameObjectRecord&) = delete;

  // Script array bookkeeping, as the host keeps it.
  void Add_Script(void* script);
  bool Remove_Script(void* script);  // false when it was not attached
};
static_assert(offsetof(GameObjectRecord, Scripts) == GameObjectRecord::ScriptsOffset, "script array at 1776");
static_assert(offsetof(GameObjectRecord, ScriptCount) == GameObjectRecord::ScriptCountOffset, "script count at 1784");
static_assert(offsetof(GameObjectRecord, PlayerData) == GameObjectRecord::PlayerDataOffset, "player data at 2400");
static_assert(offsetof(GameObjectRecord, Vehicle) == GameObjectRecord::VehicleOffset, "vehicle at 2444");

// Host command Get_Object_ID (cdecl): the object's id, 0 for null.
uint32_t __attribute__((cdecl)) Get_Object_ID(GameObjectRecord* object);

}  // namespace sim
