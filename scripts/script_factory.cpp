#include "scripts/script_factory.h"

ScriptFactory* FactoryList = nullptr;

namespace {

char Ascii_Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool Equal_Ignoring_Ascii_Case(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b)
    if (Ascii_Lower(*a) != Ascii_Lower(*b)) return false;
  return *a == *b;
}

}  // namespace

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
    if (factory->ScriptName && Equal_Ignoring_Ascii_Case(factory->ScriptName, name)) return factory;
  return nullptr;
}

ScriptImpClass* Create_Registered_Script(const char* name) {
  ScriptFactory* factory = Find_Script_Factory(name);
  return factory ? factory->Create() : nullptr;
}
