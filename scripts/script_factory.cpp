#include "scripts/script_factory.h"

#include "engine/ascii_names.h"

ScriptFactory* FactoryList = nullptr;

ScriptFactory::ScriptFactory(const char* script_name, const char* param_description)
    : Next(FactoryList), ScriptName(script_name), ParamDescription(param_description) {
  FactoryList = this;
}

ScriptFactory::~ScriptFactory() {
  for (ScriptFactory** link = &FactoryList; *link; link = &(*link)->Next) {
    if (*link == this) {
      *link = Next;
      break;
    }
  }
}

void* ScriptFactory::Destroy(uint32_t flags) {
  this->~ScriptFactory();
  if (flags & 1) Host_Release(this);
  return this;
}

ScriptFactory* Find_Script_Factory(const char* name) {
  if (!name) return nullptr;
  for (ScriptFactory* factory = FactoryList; factory; factory = factory->Next)
    if (factory->ScriptName && Names_Equal_Ignoring_Case(factory->ScriptName, name)) return factory;
  return nullptr;
}

ScriptImpClass* Create_Registered_Script(const char* name) {
  ScriptFactory* factory = Find_Script_Factory(name);
  return factory ? factory->Create() : nullptr;
}
