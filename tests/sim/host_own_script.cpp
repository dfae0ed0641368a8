#include "tests/sim/host_own_script.h"

#include <cstdint>
#include <algorithm>
#include <cstring>
#include <string>

#include "tests/sim/script_slots.h"

namespace sim {

namespace {

#define THISCALL __attribute__((thiscall))

struct HostOwnScript {
  const void* const* Table;  // first word: the slot table, as for every script
  void* Owner = nullptr;
  std::string Name;
  std::string Parameters;
};

void* THISCALL Destroy(HostOwnScript* self, uint32_t flags) {
  if (flags & 1)
    delete self;
  else
    self->~HostOwnScript();
  return self;
}
const char* THISCALL Get_Script_Name(HostOwnScript* self) { return self->Name.c_str(); }
void THISCALL Attach_To_Object(HostOwnScript* self, void* object) { self->Owner = object; }
void* THISCALL Get_Owner(HostOwnScript* self) { return self->Owner; }
void** THISCALL Get_Owner_Address(HostOwnScript* self) { return &self->Owner; }
void THISCALL Set_Parameter_Text(HostOwnScript* self, const char* text) {
  if (text && *text) self->Parameters = text;
}
void THISCALL Get_Parameter_Text(HostOwnScript* self, char* buffer, uint32_t size) {
  const size_t length = std::min<size_t>(self->Parameters.size(), size);
  std::memcpy(buffer, self->Parameters.data(), length);
  buffer[length] = '\0';
}

void THISCALL Ignore0(HostOwnScript*) {}
void THISCALL Ignore1(HostOwnScript*, uint32_t) {}
void THISCALL Ignore2(HostOwnScript*, uint32_t, uint32_t) {}
void THISCALL Ignore3(HostOwnScript*, uint32_t, uint32_t, uint32_t) {}
void THISCALL Ignore4(HostOwnScript*, uint32_t, uint32_t, uint32_t, uint32_t) {}

#undef THISCALL

template <class F>
const void* Address(F function) {
  return reinterpret_cast<const void*>(function);
}

const void* const* Table() {
  static const void* table[slot::Count];
  static bool filled = false;
  if (!filled) {
    const void* ignore[] = {Address(&Ignore0), Address(&Ignore1), Address(&Ignore2), Address(&Ignore3),
                            Address(&Ignore4)};
    for (int position = 0; position < slot::Count; ++position) table[position] = ignore[SlotArgumentCount[position]];
    table[slot::Destroy] = Address(&Destroy);
    table[slot::Get_Script_Name] = Address(&Get_Script_Name);
    table[slot::Attach_To_Object] = Address(&Attach_To_Object);
    table[slot::Get_Owner] = Address(&Get_Owner);
    table[slot::Get_Owner_Address] = Address(&Get_Owner_Address);
    table[slot::Set_Parameter_Text] = Address(&Set_Parameter_Text);
    table[slot::Get_Parameter_Text] = Address(&Get_Parameter_Text);
    filled = true;
  }
  return table;
}

}  // namespace

void* Create_Host_Own_Script(const char* name) {
  auto* script = new HostOwnScript{Table(), nullptr, name, {}};
  return script;
}

}  // namespace sim
