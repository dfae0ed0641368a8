#include "scripts/script_imp.h"

#include "engine/host_allocator.h"
#include "host/destroy_request.h"
#include "scripts/script_factory.h"

ScriptImpClass::~ScriptImpClass() {
  while (AutoSaveList) {
    AutoSaveVariable* next = AutoSaveList->Next;
    Host_Release(AutoSaveList);
    AutoSaveList = next;
  }
  Clear_Parameters();
}

void* ScriptImpClass::Destroy(uint32_t flags) {
  this->~ScriptImpClass();
  if (flags & 1) Host_Release(this);
  return this;
}

// A script that no factory made, or whose factory is gone, answers the empty name.
const char* ScriptImpClass::Get_Script_Name() {
  return Factory && Factory->ScriptName ? Factory->ScriptName : "";
}

void ScriptImpClass::Attach_To_Object(GameObject* object) { Owner = object; }

void ScriptImpClass::Detach_From_Object(uint32_t) {
  Owner = nullptr;
  Request_Destroy(this);
}

GameObject* ScriptImpClass::Get_Owner() { return Owner; }
GameObject** ScriptImpClass::Get_Owner_Address() { return &Owner; }

bool ScriptImpClass::Register_Auto_Save_Variable(void* data, uint32_t size, uint32_t id) {
  auto* record = static_cast<AutoSaveVariable*>(Host_Allocate(sizeof(AutoSaveVariable)));
  if (!record) return false;
  *record = AutoSaveVariable{data, size, id, nullptr};
  AutoSaveVariable** tail = &AutoSaveList;
  while (*tail) tail = &(*tail)->Next;
  *tail = record;
  return true;
}

// Events the base class leaves alone.
void ScriptImpClass::On_Created(GameObject*) {}
void ScriptImpClass::Event_5(uint32_t) {}
void ScriptImpClass::On_Killed(GameObject*, GameObject*) {}
void ScriptImpClass::On_Damaged(GameObject*, GameObject*, uint32_t) {}
void ScriptImpClass::Event_8(uint32_t, uint32_t, uint32_t, uint32_t) {}
void ScriptImpClass::Event_9(uint32_t, uint32_t) {}
void ScriptImpClass::Event_10(uint32_t, uint32_t) {}
void ScriptImpClass::Event_11(uint32_t, uint32_t, uint32_t) {}
void ScriptImpClass::On_Timer_Expired(GameObject*, int32_t) {}
void ScriptImpClass::Event_13(uint32_t, uint32_t) {}
void ScriptImpClass::Event_14(uint32_t, uint32_t) {}
void ScriptImpClass::Event_15(uint32_t, uint32_t) {}
void ScriptImpClass::Event_16(uint32_t, uint32_t) {}
void ScriptImpClass::Event_23(uint32_t) {}
void ScriptImpClass::Event_24(uint32_t) {}
void ScriptImpClass::On_Constructed() {}
