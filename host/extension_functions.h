#pragma once
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "engine/host_calling.h"
#include "host/command_table.h"

// The functions of the host's extension library, in the order in which they are looked up.
// A row is either REPLACES(name, word): the function takes the place of the host command at
// that word of the command table, or KEPT(name): it is kept in its own module-wide pointer
// Extension::name.
#define BW_EXTENSION_FUNCTIONS(REPLACES, KEPT)  \
  REPLACES(New_Enable_Stealth, 177)             \
  REPLACES(New_Create_Explosion, 104)           \
  REPLACES(New_Create_Explosion_At_Bone, 105)   \
  REPLACES(New_Set_Fog_Enable, 175)             \
  REPLACES(New_Set_Fog_Range, 176)              \
  REPLACES(New_Set_War_Blitz, 170)              \
  REPLACES(New_Fade_Background_Music, 53)       \
  REPLACES(New_Set_Background_Music, 52)        \
  REPLACES(New_Stop_Background_Music, 54)       \
  REPLACES(New_Create_Sound, 43)                \
  REPLACES(New_Create_2D_Sound, 44)             \
  REPLACES(New_Create_2D_WAV_Sound, 45)         \
  REPLACES(New_Create_3D_WAV_Sound_At_Bone, 46) \
  REPLACES(New_Create_3D_Sound_At_Bone, 47)     \
  REPLACES(New_Play_Building_Announcement, 164) \
  REPLACES(New_Clear_Weapons, 199)              \
  REPLACES(New_Enable_Vehicle_Transitions, 182) \
  REPLACES(New_Set_Player_Type, 63)             \
  REPLACES(New_Set_Screen_Fade_Color, 202)      \
  REPLACES(New_Set_Screen_Fade_Opacity, 203)    \
  REPLACES(New_Set_Display_Color, 76)           \
  REPLACES(New_Display_Text, 77)                \
  REPLACES(New_Display_Float, 78)               \
  REPLACES(New_Display_Int, 79)                 \
  REPLACES(New_Select_Weapon, 34)               \
  REPLACES(New_Shake_Camera, 135)               \
  REPLACES(New_Set_Model, 40)                   \
  KEPT(New_Enable_Stealth_Player)               \
  KEPT(New_Set_Fog_Enable_Player)               \
  KEPT(New_Set_Fog_Range_Player)                \
  KEPT(New_Set_Background_Music_Player)         \
  KEPT(New_Fade_Background_Music_Player)        \
  KEPT(New_Stop_Background_Music_Player)        \
  KEPT(New_Enable_Radar_Player)                 \
  KEPT(New_Display_GDI_Player_Terminal_Player)  \
  KEPT(New_Display_NOD_Player_Terminal_Player)  \
  KEPT(New_Set_Screen_Fade_Color_Player)        \
  KEPT(New_Set_Screen_Fade_Opacity_Player)      \
  KEPT(New_Force_Camera_Look_Player)            \
  KEPT(New_Enable_HUD_Player)                   \
  KEPT(New_Create_Sound_Player)                 \
  KEPT(New_Create_2D_Sound_Player)              \
  KEPT(New_Create_2D_WAV_Sound_Player)          \
  KEPT(New_Create_3D_WAV_Sound_At_Bone_Player)  \
  KEPT(New_Create_3D_Sound_At_Bone_Player)      \
  KEPT(New_Set_Display_Color_Player)            \
  KEPT(New_Display_Text_Player)                 \
  KEPT(New_Display_Int_Player)                  \
  KEPT(New_Display_Float_Player)                \
  REPLACES(New_Set_Obj_Radar_Blip_Shape, 93)    \
  REPLACES(New_Set_Obj_Radar_Blip_Color, 94)    \
  KEPT(New_Set_Obj_Radar_Blip_Shape_Player)     \
  KEPT(New_Set_Obj_Radar_Blip_Color_Player)     \
  KEPT(NewAddObjectCreateHook)                  \
  KEPT(NewRemoveObjectCreateHook)               \
  KEPT(AddKeyHook)                              \
  KEPT(RemoveKeyHook)                           \
  KEPT(Set_Scope)                               \
  KEPT(Set_HUD_Texture)                         \
  KEPT(AddChatHook)                             \
  KEPT(AddHostHook)                             \
  KEPT(AddLoadLevelHook)                        \
  KEPT(AddGameOverHook)                         \
  KEPT(AddPlayerJoinHook)                       \
  KEPT(GetCurrentMusicTrack)                    \
  KEPT(Set_Info_Texture)                        \
  KEPT(Clear_Info_Texture)                      \
  KEPT(Set_Vehicle_Limit)                       \
  KEPT(Get_Vehicle_Limit)                       \
  KEPT(Send_Message)                            \
  KEPT(Send_Message_Player)                     \
  REPLACES(New_Display_Health_Bar, 197)         \
  KEPT(AddVersionHook)                          \
  KEPT(Set_Wireframe_Mode)                      \
  REPLACES(New_Disable_All_Collisions, 20)      \
  REPLACES(New_Disable_Physical_Collisions, 21) \
  REPLACES(New_Enable_Collisions, 22)           \
  KEPT(Load_New_HUD_INI)                        \
  KEPT(Remove_Weapon)                           \
  KEPT(Update_PT_Data)                          \
  KEPT(Change_Radar_Map)                        \
  KEPT(AddPowerupPurchaseHook)                  \
  KEPT(AddVehiclePurchaseHook)                  \
  KEPT(AddCharacterPurchaseHook)                \
  KEPT(AddPowerupPurchaseMonHook)               \
  KEPT(AddVehiclePurchaseMonHook)               \
  KEPT(AddCharacterPurchaseMonHook)             \
  KEPT(RemovePowerupPurchaseHook)               \
  KEPT(RemoveVehiclePurchaseHook)               \
  KEPT(RemoveCharacterPurchaseHook)             \
  KEPT(RemovePowerupPurchaseMonHook)            \
  KEPT(RemoveVehiclePurchaseMonHook)            \
  KEPT(RemoveCharacterPurchaseMonHook)          \
  KEPT(Get_Build_Time_Multiplier)               \
  KEPT(Set_Currently_Building)                  \
  KEPT(Is_Currently_Building)                   \
  KEPT(AddConsoleOutputHook)                    \
  KEPT(AddCRCHook)                              \
  KEPT(AddDataHook)                             \
  KEPT(Set_Reticle_Texture1)                    \
  KEPT(Set_Reticle_Texture2)                    \
  KEPT(New_Set_Fog_Color)                       \
  KEPT(Set_Fog_Color_Player)                    \
  KEPT(New_Set_Fog_Mode)                        \
  KEPT(Set_Fog_Mode_Player)                     \
  KEPT(Set_Shader_Number)                       \
  KEPT(New_Set_Fog_Density)                     \
  KEPT(Set_Fog_Density_Player)                  \
  KEPT(New_Change_Time_Remaining)               \
  KEPT(New_Change_Time_Limit)                   \
  KEPT(Display_GDI_Sidebar)                     \
  KEPT(Display_NOD_Sidebar)                     \
  KEPT(Display_Security_Dialog)                 \
  KEPT(AddPlayerLeaveHook)                      \
  KEPT(GetExplosionObj)

#define BW_EXTENSION_NO_POINTER(name, word)
#define BW_EXTENSION_DECLARE_POINTER(name) extern void* name;
#define BW_EXTENSION_REPLACES_ROW(name, word) {#name, word, nullptr},
#define BW_EXTENSION_KEPT_ROW(name) {#name, 0, &Extension::name},

// The kept functions, null until bound. Their arguments are the extension library's
// business; the plug-in only stores the addresses, except for NewAddObjectCreateHook.
namespace Extension {
BW_EXTENSION_FUNCTIONS(BW_EXTENSION_NO_POINTER, BW_EXTENSION_DECLARE_POINTER)
}

// One row of the lookup order and where its result goes.
struct ExtensionFunction {
  const char* Name;      // exported name in the extension library
  uint32_t CommandWord;  // the command-table word it replaces; 0 when it is kept
  void** Kept;           // its own pointer when it is kept; null when it replaces a command
};

inline constexpr ExtensionFunction ExtensionFunctions[] = {
    BW_EXTENSION_FUNCTIONS(BW_EXTENSION_REPLACES_ROW, BW_EXTENSION_KEPT_ROW)};

#undef BW_EXTENSION_NO_POINTER
#undef BW_EXTENSION_DECLARE_POINTER
#undef BW_EXTENSION_REPLACES_ROW
#undef BW_EXTENSION_KEPT_ROW

// The table is checked once, here: the numbers, that every row has exactly one destination
// inside the command table, and that no name or word appears twice.
namespace extension_table_checks {
constexpr size_t Count_Replacing() {
  size_t count = 0;
  for (const ExtensionFunction& f : ExtensionFunctions) count += f.CommandWord != 0;
  return count;
}
constexpr bool Destinations_Are_Sound() {
  for (const ExtensionFunction& f : ExtensionFunctions) {
    if ((f.CommandWord != 0) == (f.Kept != nullptr)) return false;
    if (f.CommandWord != 0 &&
        (f.CommandWord < HostCommandTable::FirstFunctionWord || f.CommandWord >= HostCommandTable::WordCount))
      return false;
  }
  return true;
}
constexpr bool No_Duplicates() {
  for (const ExtensionFunction& a : ExtensionFunctions)
    for (const ExtensionFunction& b : ExtensionFunctions) {
      if (&a == &b) continue;
      if (std::string_view(a.Name) == b.Name) return false;
      if (a.CommandWord != 0 && a.CommandWord == b.CommandWord) return false;
    }
  return true;
}
}  // namespace extension_table_checks
static_assert(std::size(ExtensionFunctions) == 115, "115 functions are looked up");
static_assert(extension_table_checks::Count_Replacing() == 33, "33 of them replace host commands");
static_assert(extension_table_checks::Destinations_Are_Sound(), "each row: one destination, inside the table");
static_assert(extension_table_checks::No_Duplicates(), "no name and no command word twice");

// NewAddObjectCreateHook registers a two-word hook record {callback, data}, which must stay
// valid while it is registered, and answers a registration number.
using NewAddObjectCreateHookFunction = int32_t(HOST_CDECL*)(void* record);
inline NewAddObjectCreateHookFunction Bound_NewAddObjectCreateHook() {
  return reinterpret_cast<NewAddObjectCreateHookFunction>(Extension::NewAddObjectCreateHook);
}
