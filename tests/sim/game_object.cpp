#include "tests/sim/game_object.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace sim {

namespace {

void* __attribute__((thiscall)) As_Soldier(GameObjectRecord* self) { return self->IsSoldier ? self : nullptr; }
int __attribute__((thiscall)) Is_Vehicle(GameObjectRecord* self) { return self->IsVehicle ? 1 : 0; }
void __attribute__((thiscall)) Unexpected_Virtual(GameObjectRecord*) {}

void** Game_Object_Virtual_Table() {
  static void* table[GameObjectRecord::VirtualSlots];
  static bool filled = false;
  if (!filled) {
    std::fill(std::begin(table), std::end(table), reinterpret_cast<void*>(&Unexpected_Virtual));
    table[GameObjectRecord::AsSoldierSlot] = reinterpret_cast<void*>(&As_Soldier);
    table[GameObjectRecord::IsVehicleSlot] = reinterpret_cast<void*>(&Is_Vehicle);
    filled = true;
  }
  return table;
}

uint32_t Next_Id = 1000;

}  // namespace

GameObjectRecord::GameObjectRecord() {
  VirtualTable = Game_Object_Virtual_Table();
  std::memset(HostBytes4, 0, sizeof HostBytes4);
  Scripts = nullptr;
  HostWord1780 = 0;
  ScriptCount = 0;
  std::memset(HostBytes1788, 0, sizeof HostBytes1788);
  PlayerData = nullptr;
  std::memset(HostBytes2404, 0, sizeof HostBytes2404);
  Vehicle = nullptr;
  std::memset(HostBytes2448, 0, sizeof HostBytes2448);
  Id = Next_Id++;
}

GameObjectRecord::~GameObjectRecord() { delete[] Scripts; }

void GameObjectRecord::Add_Script(void* script) {
  if (ScriptCount == ScriptCapacity) {
    ScriptCapacity = ScriptCapacity ? ScriptCapacity * 2 : 4;
    void** grown = new void*[ScriptCapacity];
    std::copy(Scripts, Scripts + ScriptCount, grown);
    delete[] Scripts;
    Scripts = grown;
  }
  Scripts[ScriptCount++] = script;
}

bool GameObjectRecord::Remove_Script(void* script) {
  void** end = Scripts + ScriptCount;
  void** at = std::find(Scripts, end, script);
  if (at == end) return false;
  std::copy(at + 1, end, at);
  --ScriptCount;
  return true;
}

uint32_t Get_Object_ID(GameObjectRecord* object) { return object ? object->Id : 0; }

}  // namespace sim
