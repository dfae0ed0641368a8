#pragma once
#include <cstdint>
#include <string>

// The framework's records as the simulated host lays them out, byte by byte, so that the
// tests check the plug-in's writes at the host's offsets rather than through its own structs.
namespace sim {

// A view of the host's 28-byte text object at some address.
class HostStringAt {
 public:
  explicit HostStringAt(uint8_t* at) : at_(at) {}
  static constexpr uint32_t Bytes = 28;
  void Init_Empty();  // the host's empty text: inline, capacity 15
  uint32_t Length() const;
  uint32_t Capacity() const;
  bool Is_Inline() const { return Capacity() < 16; }
  const char* Buffer() const;  // the out-of-line buffer, or null while inline
  std::string Text() const;
  // Gives an out-of-line buffer back to the host allocator, as the host does.
  void Release();

 private:
  uint8_t* at_;
};

struct PluginInfoRecord {
  static constexpr uint32_t NameOffset = 4, VersionOffset = 36, FrameworkVersionOffset = 64, Flag92Offset = 92;
  alignas(4) uint8_t bytes[128];

  PluginInfoRecord();
  ~PluginInfoRecord();
  HostStringAt Name() { return HostStringAt(bytes + NameOffset); }
  HostStringAt Version() { return HostStringAt(bytes + VersionOffset); }
  HostStringAt Framework_Version() { return HostStringAt(bytes + FrameworkVersionOffset); }
  uint8_t& Flag92() { return bytes[Flag92Offset]; }
};

struct FrameworkSettingsRecord {
  static constexpr uint32_t GameLogEnabledOffset = 150, EchoGameLogOffset = 151, GameLogNameOffset = 188;
  alignas(4) uint8_t bytes[256];

  FrameworkSettingsRecord();
  ~FrameworkSettingsRecord();
  uint8_t& Game_Log_Enabled() { return bytes[GameLogEnabledOffset]; }
  uint8_t& Echo_Game_Log() { return bytes[EchoGameLogOffset]; }
  HostStringAt Game_Log_Name() { return HostStringAt(bytes + GameLogNameOffset); }
};

struct FrameworkDataRecord {
  static constexpr uint32_t SectionNameOffset = 4;
  alignas(4) uint8_t bytes[132];

  FrameworkDataRecord();
  void Set_Section_Name(const char* name);
};

}  // namespace sim
