#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

// The simulated host's players, object definitions and purchase lists, with the host's
// layout where the plug-in reads them, and the host routines that find them.
namespace sim {

// A player: the same record serves as a soldier's player data and as what Find_Player answers.
struct PlayerDataRecord {
  static constexpr uint32_t PlayerIdOffset = 1884, TeamSubObjectOffset = 1900;
  uint8_t Host0[PlayerIdOffset];
  int32_t PlayerId;
  uint8_t Host1888[TeamSubObjectOffset - 1888];
  int32_t Team;  // the sub-object on which Get_Player_Value answers the team
  uint8_t Host1904[64];
};
static_assert(offsetof(PlayerDataRecord, PlayerId) == PlayerDataRecord::PlayerIdOffset, "player id at 1884");
static_assert(offsetof(PlayerDataRecord, Team) == PlayerDataRecord::TeamSubObjectOffset, "team sub-object at 1900");

struct DefinitionRecord {
  static constexpr uint32_t IdSlot = 9, VirtualSlots = 16;
  void** VirtualTable;
  uint32_t Id;
};

struct TeamPurchaseRecord {
  static constexpr uint32_t CostOffset = 80, DefinitionIdOffset = 84;
  uint8_t Host0[CostOffset];
  int32_t Cost;
  uint32_t DefinitionId;
  uint8_t Host88[32];
};
static_assert(offsetof(TeamPurchaseRecord, DefinitionId) == TeamPurchaseRecord::DefinitionIdOffset, "id at 84");

struct PurchaseListRecord {
  static constexpr uint32_t CostsOffset = 36, IdsOffset = 76, AlternativesOffset = 196;
  uint8_t Host0[CostsOffset];
  int32_t Costs[10];
  uint32_t Ids[10];
  uint8_t Host116[AlternativesOffset - 116];
  uint32_t Alternatives[10][3];
  uint8_t Host316[32];
};
static_assert(offsetof(PurchaseListRecord, Costs) == PurchaseListRecord::CostsOffset, "costs at 36");
static_assert(offsetof(PurchaseListRecord, Ids) == PurchaseListRecord::IdsOffset, "ids at 76");
static_assert(offsetof(PurchaseListRecord, Alternatives) == PurchaseListRecord::AlternativesOffset, "at 196");

// Everything the host knows about players and purchases. Records are zeroed when made.
class HostWorld {
 public:
  static HostWorld& Instance();
  void Clear();

  PlayerDataRecord& Add_Player(int32_t id, int32_t team);
  void Remove_Player(int32_t id);
  PlayerDataRecord* Find_Player(int32_t id);

  // A preset's definition; Find_Definition answers it for this exact name.
  DefinitionRecord& Define(const std::string& preset_name, uint32_t id);
  DefinitionRecord* Find_Definition(const std::string& preset_name);

  TeamPurchaseRecord& Team_Purchase(int32_t team) { return team_purchase_[team & 1]; }
  // The list of a category for a team, made on first use; absent until then.
  PurchaseListRecord& Purchase_List(int32_t category, int32_t team);
  PurchaseListRecord* Find_Purchase_List(int32_t category, int32_t team);

 private:
  HostWorld() { Clear(); }
  std::map<int32_t, std::unique_ptr<PlayerDataRecord>> players_;
  std::map<std::string, std::unique_ptr<DefinitionRecord>> definitions_;
  TeamPurchaseRecord team_purchase_[2];
  std::map<std::pair<int32_t, int32_t>, std::unique_ptr<PurchaseListRecord>> lists_;
};

// The host routines over the world, placed at each build's addresses by Install_Build.
void* __attribute__((cdecl)) Find_Player_Routine(int32_t player_id);
int32_t __attribute__((thiscall)) Get_Player_Value_Routine(int32_t* team_sub_object);
void* __attribute__((cdecl)) Find_Definition_Routine(const char* preset_name, int constant_one);
void* __attribute__((cdecl)) Get_Team_Purchase_Entry_Routine(int32_t team);
void* __attribute__((cdecl)) Get_Purchase_List_Routine(int32_t category, int32_t team);

}  // namespace sim
