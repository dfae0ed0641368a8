#pragma once
#include <cstdint>

// The host's extension library as the simulated host knows it: every exported function, in
// the order in which the plug-in must look them up, with the byte offset of the command-table
// entry that the function replaces (0 when it replaces none). The fake library exports these
// names (see CMakeLists.txt beside this file, which reads them from here: one row a line).
// Kept apart from the plug-in's own table so that a slip on either side shows in the tests.
#define SIM_EXTENSION_FUNCTIONS(SIM_EXTENSION_FUNCTION) \
  SIM_EXTENSION_FUNCTION(New_Enable_Stealth, 708)                   \
  SIM_EXTENSION_FUNCTION(New_Create_Explosion, 416)                 \
  SIM_EXTENSION_FUNCTION(New_Create_Explosion_At_Bone, 420)         \
  SIM_EXTENSION_FUNCTION(New_Set_Fog_Enable, 700)                   \
  SIM_EXTENSION_FUNCTION(New_Set_Fog_Range, 704)                    \
  SIM_EXTENSION_FUNCTION(New_Set_War_Blitz, 680)                    \
  SIM_EXTENSION_FUNCTION(New_Fade_Background_Music, 212)            \
  SIM_EXTENSION_FUNCTION(New_Set_Background_Music, 208)             \
  SIM_EXTENSION_FUNCTION(New_Stop_Background_Music, 216)            \
  SIM_EXTENSION_FUNCTION(New_Create_Sound, 172)                     \
  SIM_EXTENSION_FUNCTION(New_Create_2D_Sound, 176)                  \
  SIM_EXTENSION_FUNCTION(New_Create_2D_WAV_Sound, 180)              \
  SIM_EXTENSION_FUNCTION(New_Create_3D_WAV_Sound_At_Bone, 184)      \
  SIM_EXTENSION_FUNCTION(New_Create_3D_Sound_At_Bone, 188)          \
  SIM_EXTENSION_FUNCTION(New_Play_Building_Announcement, 656)       \
  SIM_EXTENSION_FUNCTION(New_Clear_Weapons, 796)                    \
  SIM_EXTENSION_FUNCTION(New_Enable_Vehicle_Transitions, 728)       \
  SIM_EXTENSION_FUNCTION(New_Set_Player_Type, 252)                  \
  SIM_EXTENSION_FUNCTION(New_Set_Screen_Fade_Color, 808)            \
  SIM_EXTENSION_FUNCTION(New_Set_Screen_Fade_Opacity, 812)          \
  SIM_EXTENSION_FUNCTION(New_Set_Display_Color, 304)                \
  SIM_EXTENSION_FUNCTION(New_Display_Text, 308)                     \
  SIM_EXTENSION_FUNCTION(New_Display_Float, 312)                    \
  SIM_EXTENSION_FUNCTION(New_Display_Int, 316)                      \
  SIM_EXTENSION_FUNCTION(New_Select_Weapon, 136)                    \
  SIM_EXTENSION_FUNCTION(New_Shake_Camera, 540)                     \
  SIM_EXTENSION_FUNCTION(New_Set_Model, 160)                        \
  SIM_EXTENSION_FUNCTION(New_Enable_Stealth_Player, 0)              \
  SIM_EXTENSION_FUNCTION(New_Set_Fog_Enable_Player, 0)              \
  SIM_EXTENSION_FUNCTION(New_Set_Fog_Range_Player, 0)               \
  SIM_EXTENSION_FUNCTION(New_Set_Background_Music_Player, 0)        \
  SIM_EXTENSION_FUNCTION(New_Fade_Background_Music_Player, 0)       \
  SIM_EXTENSION_FUNCTION(New_Stop_Background_Music_Player, 0)       \
  SIM_EXTENSION_FUNCTION(New_Enable_Radar_Player, 0)                \
  SIM_EXTENSION_FUNCTION(New_Display_GDI_Player_Terminal_Player, 0) \
  SIM_EXTENSION_FUNCTION(New_Display_NOD_Player_Terminal_Player, 0) \
  SIM_EXTENSION_FUNCTION(New_Set_Screen_Fade_Color_Player, 0)       \
  SIM_EXTENSION_FUNCTION(New_Set_Screen_Fade_Opacity_Player, 0)     \
  SIM_EXTENSION_FUNCTION(New_Force_Camera_Look_Player, 0)           \
  SIM_EXTENSION_FUNCTION(New_Enable_HUD_Player, 0)                  \
  SIM_EXTENSION_FUNCTION(New_Create_Sound_Player, 0)                \
  SIM_EXTENSION_FUNCTION(New_Create_2D_Sound_Player, 0)             \
  SIM_EXTENSION_FUNCTION(New_Create_2D_WAV_Sound_Player, 0)         \
  SIM_EXTENSION_FUNCTION(New_Create_3D_WAV_Sound_At_Bone_Player, 0) \
  SIM_EXTENSION_FUNCTION(New_Create_3D_Sound_At_Bone_Player, 0)     \
  SIM_EXTENSION_FUNCTION(New_Set_Display_Color_Player, 0)           \
  SIM_EXTENSION_FUNCTION(New_Display_Text_Player, 0)                \
  SIM_EXTENSION_FUNCTION(New_Display_Int_Player, 0)                 \
  SIM_EXTENSION_FUNCTION(New_Display_Float_Player, 0)               \
  SIM_EXTENSION_FUNCTION(New_Set_Obj_Radar_Blip_Shape, 372)         \
  SIM_EXTENSION_FUNCTION(New_Set_Obj_Radar_Blip_Color, 376)         \
  SIM_EXTENSION_FUNCTION(New_Set_Obj_Radar_Blip_Shape_Player, 0)    \
  SIM_EXTENSION_FUNCTION(New_Set_Obj_Radar_Blip_Color_Player, 0)    \
  SIM_EXTENSION_FUNCTION(NewAddObjectCreateHook, 0)                 \
  SIM_EXTENSION_FUNCTION(NewRemoveObjectCreateHook, 0)              \
  SIM_EXTENSION_FUNCTION(AddKeyHook, 0)                             \
  SIM_EXTENSION_FUNCTION(RemoveKeyHook, 0)                          \
  SIM_EXTENSION_FUNCTION(Set_Scope, 0)                              \
  SIM_EXTENSION_FUNCTION(Set_HUD_Texture, 0)                        \
  SIM_EXTENSION_FUNCTION(AddChatHook, 0)                            \
  SIM_EXTENSION_FUNCTION(AddHostHook, 0)                            \
  SIM_EXTENSION_FUNCTION(AddLoadLevelHook, 0)                       \
  SIM_EXTENSION_FUNCTION(AddGameOverHook, 0)                        \
  SIM_EXTENSION_FUNCTION(AddPlayerJoinHook, 0)                      \
  SIM_EXTENSION_FUNCTION(GetCurrentMusicTrack, 0)                   \
  SIM_EXTENSION_FUNCTION(Set_Info_Texture, 0)                       \
  SIM_EXTENSION_FUNCTION(Clear_Info_Texture, 0)                     \
  SIM_EXTENSION_FUNCTION(Set_Vehicle_Limit, 0)                      \
  SIM_EXTENSION_FUNCTION(Get_Vehicle_Limit, 0)                      \
  SIM_EXTENSION_FUNCTION(Send_Message, 0)                           \
  SIM_EXTENSION_FUNCTION(Send_Message_Player, 0)                    \
  SIM_EXTENSION_FUNCTION(New_Display_Health_Bar, 788)               \
  SIM_EXTENSION_FUNCTION(AddVersionHook, 0)                         \
  SIM_EXTENSION_FUNCTION(Set_Wireframe_Mode, 0)                     \
  SIM_EXTENSION_FUNCTION(New_Disable_All_Collisions, 80)            \
  SIM_EXTENSION_FUNCTION(New_Disable_Physical_Collisions, 84)       \
  SIM_EXTENSION_FUNCTION(New_Enable_Collisions, 88)                 \
  SIM_EXTENSION_FUNCTION(Load_New_HUD_INI, 0)                       \
  SIM_EXTENSION_FUNCTION(Remove_Weapon, 0)                          \
  SIM_EXTENSION_FUNCTION(Update_PT_Data, 0)                         \
  SIM_EXTENSION_FUNCTION(Change_Radar_Map, 0)                       \
  SIM_EXTENSION_FUNCTION(AddPowerupPurchaseHook, 0)                 \
  SIM_EXTENSION_FUNCTION(AddVehiclePurchaseHook, 0)                 \
  SIM_EXTENSION_FUNCTION(AddCharacterPurchaseHook, 0)               \
  SIM_EXTENSION_FUNCTION(AddPowerupPurchaseMonHook, 0)              \
  SIM_EXTENSION_FUNCTION(AddVehiclePurchaseMonHook, 0)              \
  SIM_EXTENSION_FUNCTION(AddCharacterPurchaseMonHook, 0)            \
  SIM_EXTENSION_FUNCTION(RemovePowerupPurchaseHook, 0)              \
  SIM_EXTENSION_FUNCTION(RemoveVehiclePurchaseHook, 0)              \
  SIM_EXTENSION_FUNCTION(RemoveCharacterPurchaseHook, 0)            \
  SIM_EXTENSION_FUNCTION(RemovePowerupPurchaseMonHook, 0)           \
  SIM_EXTENSION_FUNCTION(RemoveVehiclePurchaseMonHook, 0)           \
  SIM_EXTENSION_FUNCTION(RemoveCharacterPurchaseMonHook, 0)         \
  SIM_EXTENSION_FUNCTION(Get_Build_Time_Multiplier, 0)              \
  SIM_EXTENSION_FUNCTION(Set_Currently_Building, 0)                 \
  SIM_EXTENSION_FUNCTION(Is_Currently_Building, 0)                  \
  SIM_EXTENSION_FUNCTION(AddConsoleOutputHook, 0)                   \
  SIM_EXTENSION_FUNCTION(AddCRCHook, 0)                             \
  SIM_EXTENSION_FUNCTION(AddDataHook, 0)                            \
  SIM_EXTENSION_FUNCTION(Set_Reticle_Texture1, 0)                   \
  SIM_EXTENSION_FUNCTION(Set_Reticle_Texture2, 0)                   \
  SIM_EXTENSION_FUNCTION(New_Set_Fog_Color, 0)                      \
  SIM_EXTENSION_FUNCTION(Set_Fog_Color_Player, 0)                   \
  SIM_EXTENSION_FUNCTION(New_Set_Fog_Mode, 0)                       \
  SIM_EXTENSION_FUNCTION(Set_Fog_Mode_Player, 0)                    \
  SIM_EXTENSION_FUNCTION(Set_Shader_Number, 0)                      \
  SIM_EXTENSION_FUNCTION(New_Set_Fog_Density, 0)                    \
  SIM_EXTENSION_FUNCTION(Set_Fog_Density_Player, 0)                 \
  SIM_EXTENSION_FUNCTION(New_Change_Time_Remaining, 0)              \
  SIM_EXTENSION_FUNCTION(New_Change_Time_Limit, 0)                  \
  SIM_EXTENSION_FUNCTION(Display_GDI_Sidebar, 0)                    \
  SIM_EXTENSION_FUNCTION(Display_NOD_Sidebar, 0)                    \
  SIM_EXTENSION_FUNCTION(Display_Security_Dialog, 0)                \
  SIM_EXTENSION_FUNCTION(AddPlayerLeaveHook, 0)                     \
  SIM_EXTENSION_FUNCTION(GetExplosionObj, 0)

namespace sim {

struct ExtensionExport {
  const char* name;
  uint32_t command_offset;  // byte offset of the replaced command-table entry; 0 for none
};

#define SIM_EXTENSION_ROW(name, offset) {#name, offset},
inline constexpr ExtensionExport ExtensionExports[] = {SIM_EXTENSION_FUNCTIONS(SIM_EXTENSION_ROW)};
#undef SIM_EXTENSION_ROW
inline constexpr uint32_t ExtensionExportCount = sizeof ExtensionExports / sizeof ExtensionExports[0];
static_assert(ExtensionExportCount == 115, "the extension library has 115 functions");

}  // namespace sim
