#include "tests/sim/framework_records.h"

#include <cstring>

#include "tests/sim/host_routines.h"

namespace sim {

namespace {
constexpr uint32_t TextOffset = 4, LengthOffset = 20, CapacityOffset = 24;

uint32_t Word_At(const uint8_t* at) {
  uint32_t value;
  std::memcpy(&value, at, sizeof value);
  return value;
}
void Set_Word_At(uint8_t* at, uint32_t value) { std::memcpy(at, &value, sizeof value); }
}  // namespace

void HostStringAt::Init_Empty() {
  std::memset(at_, 0, Bytes);
  Set_Word_At(at_ + CapacityOffset, 15);
}

uint32_t HostStringAt::Length() const { return Word_At(at_ + LengthOffset); }
uint32_t HostStringAt::Capacity() const { return Word_At(at_ + CapacityOffset); }

const char* HostStringAt::Buffer() const {
  return Is_Inline() ? nullptr : reinterpret_cast<const char*>(Word_At(at_ + TextOffset));
}

std::string HostStringAt::Text() const {
  const char* text = Is_Inline() ? reinterpret_cast<const char*>(at_ + TextOffset) : Buffer();
  return std::string(text, Length());
}

void HostStringAt::Release() {
  if (!Is_Inline()) Host_Delete(const_cast<char*>(Buffer()));
  Init_Empty();
}

PluginInfoRecord::PluginInfoRecord() {
  std::memset(bytes, 0xA5, sizeof bytes);  // host bytes the plug-in must leave alone
  Name().Init_Empty();
  Version().Init_Empty();
  Framework_Version().Init_Empty();
}

PluginInfoRecord::~PluginInfoRecord() {
  Name().Release();
  Version().Release();
  Framework_Version().Release();
}

FrameworkSettingsRecord::FrameworkSettingsRecord() {
  std::memset(bytes, 0, sizeof bytes);
  Game_Log_Name().Init_Empty();
}

FrameworkSettingsRecord::~FrameworkSettingsRecord() { Game_Log_Name().Release(); }

FrameworkDataRecord::FrameworkDataRecord() { std::memset(bytes, 0, sizeof bytes); }

void FrameworkDataRecord::Set_Section_Name(const char* name) {
  std::strncpy(reinterpret_cast<char*>(bytes + SectionNameOffset), name, sizeof bytes - SectionNameOffset - 1);
}

}  // namespace sim
