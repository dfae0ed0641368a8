#pragma once
#include <cstdint>

// What the fake extension library offers beyond the host's functions, for the simulator.
//
// Its NewAddObjectCreateHook(record) keeps the address of the two-word record
// {callback, data} it is given (not a copy: the record must stay valid while registered)
// and answers a registration number from 1 up; NewRemoveObjectCreateHook(number) removes
// that registration. Every other host function is a stand-in that answers its own name.
namespace sim {

struct FakeObjectCreateHook {
  const void* record;    // the record as registered
  int32_t registration;  // the number NewAddObjectCreateHook answered for it
};

// Exported as Fake_Extension_Object_Create_Hooks: the registrations in the order they were
// made; answers their count and points *hooks at the first.
using FakeObjectCreateHooksFunction = uint32_t(__attribute__((cdecl)) *)(const FakeObjectCreateHook** hooks);

// Exported as Fake_Extension_Object_Created: calls every registered hook, as the library does
// for each object the host creates, with the record's data word and the object.
using FakeObjectCreatedFunction = void(__attribute__((cdecl)) *)(void* object);

// The callback word of a hook record.
using ObjectCreateCallback = void(__attribute__((cdecl)) *)(void* data, void* object);

}  // namespace sim
