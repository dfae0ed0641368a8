#include "engine/game_object_queries.h"

#include "engine/ascii_names.h"
#include "engine/host_entry_table.h"
#include "engine/host_object_layout.h"
#include "host/command_table.h"
#include "host/destroy_request.h"

namespace {

constexpr int32_t No_Player = -1;
constexpr int32_t No_Team = 0;
constexpr int Find_Definition_Constant = 1;
constexpr int32_t Purchase_Categories = 5;
constexpr const char* Countdown_Script_Name = "DamagedSetter";

// A valid object: the host knows its id. The host command is asked first and accepts null.
bool Is_Valid(GameObject* object) { return Host_Command<Command::Get_Object_ID>()(object) != 0 && object; }

HostSoldier* As_Soldier(GameObject* object) {
  return Call_Host_Virtual<HostSoldier*>(object, HostSlot::GameObject_As_Soldier);
}

const char* Script_Name(void* script) { return Call_Host_Virtual<const char*>(script, HostSlot::Script_Get_Name); }

}  // namespace

int32_t Get_Player_ID(GameObject* object) {
  if (!Is_Valid(object)) return No_Player;
  HostSoldier* soldier = As_Soldier(object);
  if (!soldier || !soldier->PlayerData) return No_Player;
  return soldier->PlayerData->PlayerId;
}

int32_t Get_Player_Team(GameObject* object) {
  // A host build without the player entries has no player records to ask.
  if (!HostEntries.Find_Player || !HostEntries.Get_Player_Value) return No_Team;
  auto* player = static_cast<uint8_t*>(HostEntries.Find_Player(Get_Player_ID(object)));
  if (!player) return No_Team;
  return HostEntries.Get_Player_Value(player + HostPlayerRecord_TeamSubObject);
}

bool Is_In_Vehicle(GameObject* object) {
  if (!Is_Valid(object)) return false;
  HostSoldier* soldier = As_Soldier(object);
  if (!soldier || !soldier->Vehicle || !Is_Valid(soldier->Vehicle)) return false;
  return Call_Host_Virtual<int32_t>(soldier->Vehicle, HostSlot::GameObject_Is_Vehicle) != 0;
}

int32_t Get_Preset_Cost(const char* preset_name, int32_t team) {
  // A host build without the purchase entries has nothing to buy: everything costs 0.
  if (!HostEntries.Find_Definition || !HostEntries.Get_Team_Purchase_Entry || !HostEntries.Get_Purchase_List) return 0;

  uint32_t wanted = 0;
  if (preset_name)
    if (void* definition = HostEntries.Find_Definition(preset_name, Find_Definition_Constant))
      wanted = Call_Host_Virtual<uint32_t>(definition, HostSlot::Definition_Get_Id);

  auto* record = static_cast<HostTeamPurchaseRecord*>(HostEntries.Get_Team_Purchase_Entry(team));
  if (record && record->DefinitionId == wanted) return record->Cost;

  for (int32_t category = 0; category < Purchase_Categories; ++category) {
    auto* list = static_cast<HostPurchaseList*>(HostEntries.Get_Purchase_List(category, team));
    if (!list) continue;
    for (uint32_t entry = 0; entry < HostPurchaseList::Entries; ++entry) {
      if (list->DefinitionIds[entry] == wanted) return list->Costs[entry];
      for (uint32_t alternative : list->AlternativeIds[entry])
        if (alternative == wanted) return list->Costs[entry];
    }
  }
  return 0;
}

bool Is_Script_Attached(GameObject* object, const char* script_name) {
  if (!Is_Valid(object)) return false;
  auto* game_object = static_cast<HostGameObject*>(object);
  const int32_t count = game_object->ScriptCount;
  for (int32_t i = 0; i < count; ++i)
    if (Names_Equal_Ignoring_Case(Script_Name(game_object->Scripts[i]), script_name)) return true;
  return false;
}

void Remove_Script(GameObject* object) {
  if (!Is_Valid(object) || !DestroyRequestCallback) return;
  auto* game_object = static_cast<HostGameObject*>(object);
  const int32_t count = game_object->ScriptCount;
  for (int32_t i = 0; i < count; ++i) {
    void* script = game_object->Scripts[i];  // the array is read anew at every step
    if (Names_Equal_Ignoring_Case(Script_Name(script), Countdown_Script_Name))
      Request_Destroy(static_cast<ScriptImpClass*>(script));
  }
}
