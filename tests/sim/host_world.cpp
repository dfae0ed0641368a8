#include "tests/sim/host_world.h"

#include <algorithm>
#include <cstring>

#include "tests/sim/event_log.h"

namespace sim {

namespace {

uint32_t __attribute__((thiscall)) Definition_Id(DefinitionRecord* self) { return self->Id; }
void __attribute__((thiscall)) Unexpected_Definition_Virtual(DefinitionRecord*) {
  Log("unexpected definition virtual");
}

void** Definition_Virtual_Table() {
  static void* table[DefinitionRecord::VirtualSlots];
  static bool filled = false;
  if (!filled) {
    std::fill(std::begin(table), std::end(table), reinterpret_cast<void*>(&Unexpected_Definition_Virtual));
    table[DefinitionRecord::IdSlot] = reinterpret_cast<void*>(&Definition_Id);
    filled = true;
  }
  return table;
}

template <class Record>
std::unique_ptr<Record> Zeroed() {
  auto record = std::make_unique<Record>();
  std::memset(static_cast<void*>(record.get()), 0, sizeof(Record));
  return record;
}

}  // namespace

HostWorld& HostWorld::Instance() {
  static HostWorld world;
  return world;
}

void HostWorld::Clear() {
  players_.clear();
  definitions_.clear();
  lists_.clear();
  std::memset(static_cast<void*>(team_purchase_), 0, sizeof team_purchase_);
}

PlayerDataRecord& HostWorld::Add_Player(int32_t id, int32_t team) {
  auto& player = players_[id];
  player = Zeroed<PlayerDataRecord>();
  player->PlayerId = id;
  player->Team = team;
  return *player;
}

void HostWorld::Remove_Player(int32_t id) { players_.erase(id); }

PlayerDataRecord* HostWorld::Find_Player(int32_t id) {
  auto found = players_.find(id);
  return found == players_.end() ? nullptr : found->second.get();
}

DefinitionRecord& HostWorld::Define(const std::string& preset_name, uint32_t id) {
  auto& definition = definitions_[preset_name];
  definition = std::make_unique<DefinitionRecord>(DefinitionRecord{Definition_Virtual_Table(), id});
  return *definition;
}

DefinitionRecord* HostWorld::Find_Definition(const std::string& preset_name) {
  auto found = definitions_.find(preset_name);
  return found == definitions_.end() ? nullptr : found->second.get();
}

PurchaseListRecord& HostWorld::Purchase_List(int32_t category, int32_t team) {
  auto& list = lists_[{category, team}];
  if (!list) list = Zeroed<PurchaseListRecord>();
  return *list;
}

PurchaseListRecord* HostWorld::Find_Purchase_List(int32_t category, int32_t team) {
  auto found = lists_.find({category, team});
  return found == lists_.end() ? nullptr : found->second.get();
}

void* Find_Player_Routine(int32_t player_id) { return HostWorld::Instance().Find_Player(player_id); }

int32_t Get_Player_Value_Routine(int32_t* team_sub_object) { return *team_sub_object; }

void* Find_Definition_Routine(const char* preset_name, int constant_one) {
  if (constant_one != 1) Log("Find_Definition called with " + std::to_string(constant_one) + ", not 1");
  return preset_name ? HostWorld::Instance().Find_Definition(preset_name) : nullptr;
}

void* Get_Team_Purchase_Entry_Routine(int32_t team) { return &HostWorld::Instance().Team_Purchase(team); }

void* Get_Purchase_List_Routine(int32_t category, int32_t team) {
  return HostWorld::Instance().Find_Purchase_List(category, team);
}

}  // namespace sim
