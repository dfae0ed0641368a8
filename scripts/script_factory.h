#pragma once
#include <cstdint>
#include <new>
#include <type_traits>

#include "engine/host_allocator.h"
#include "scripts/script_imp.h"

// The registry of the plug-in's script classes: one factory per class, linked into
// FactoryList by static initialisation, each unlinking itself at library unload.
//
// The factory keeps the same two-slot layout as the host's: slot 0 the deleting
// destructor in the explicit form (no C++ virtual destructor), slot 1 Create.
class ScriptFactory {
 public:
  // Slot 0: unlinks the factory and, when bit 0 of the flags is set, gives its memory
  // back to the host allocator. Answers the factory's address.
  virtual void* Destroy(uint32_t flags);
  // Slot 1: a new script of the factory's class, or null when the host allocator gave nothing.
  virtual ScriptImpClass* Create() = 0;

  ScriptFactory* Next;           // next factory in the registry, or null
  const char* ScriptName;        // the name the factory answers to
  const char* ParamDescription;  // description of the script's parameters; never read here

  ScriptFactory(const ScriptFactory&) = delete;
  ScriptFactory& operator=(const ScriptFactory&) = delete;

 protected:
  // Goes in at the front of FactoryList.
  ScriptFactory(const char* script_name, const char* param_description);
  // Unlinks the factory from FactoryList. (Clearing its members here would be pointless:
  // the object's life ends with the destructor, and the compiler drops such stores.)
  ~ScriptFactory();
};

// The first factory of the registry, or null. Constant-initialised, so it is null before
// any factory's constructor runs, whatever the order of static initialisation.
extern ScriptFactory* FactoryList;

// The factory whose name equals name, ignoring the case of ASCII letters; null for a null
// name or when none matches.
ScriptFactory* Find_Script_Factory(const char* name);

// A new script made by the matching factory, or null (the work of Create_Script).
ScriptImpClass* Create_Registered_Script(const char* name);

// The class a ScriptRegistrant actually makes: the script class with a slot 0 that runs
// its complete destructor, whatever members the class adds.
template <class T>
class HostedScript final : public T {
 public:
  void* Destroy(uint32_t flags) override {
    this->~HostedScript();
    if (flags & 1) Host_Release(this);
    return this;
  }
};

// The factory of one script class T. A static ScriptRegistrant<T> registers T. Statics
// in one file are registered in their order of declaration; across files the order is
// the linker's. A registrant in a static library exists only if its object file is linked
// for some other reason, so the file that registers the scripts must be one the DLL pulls in.
template <class T>
class ScriptRegistrant : public ScriptFactory {
  static_assert(std::is_base_of_v<ScriptImpClass, T>, "scripts derive from ScriptImpClass");
  static_assert(std::is_nothrow_default_constructible_v<HostedScript<T>>, "no exception may leave Create");

 public:
  ScriptRegistrant(const char* script_name, const char* param_description)
      : ScriptFactory(script_name, param_description) {}

  ScriptImpClass* Create() override {
    void* block = Host_Allocate(sizeof(HostedScript<T>));
    if (!block) return nullptr;
    ScriptImpClass* script = new (block) HostedScript<T>();
    script->Factory = this;
    script->On_Constructed();
    return script;
  }
};
