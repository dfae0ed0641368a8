#pragma once
#include <cstdint>

#include "host/command_table.h"

// The host's observer of a game object: the first 17 slots of every script's virtual
// table. The host calls them by position, so their order is fixed, and there is no C++
// virtual destructor (g++ would give it two slots and shift everything after it).
//
// A "value" argument is one 32-bit word whose meaning the plug-in does not use; the
// slots still take it, because thiscall makes the callee remove its arguments.
class GameObjObserverClass {
 public:
  // Slot 0, the host's deleting destructor: destroys the object and, when bit 0 of the
  // flags is set, gives its memory back to the host allocator. Answers the object's address.
  virtual void* Destroy(uint32_t flags);
  virtual const char* Get_Script_Name() = 0;                                                 // slot 1
  virtual void Attach_To_Object(GameObject* object) = 0;                                      // slot 2
  virtual void Detach_From_Object(uint32_t value) = 0;                                        // slot 3
  virtual void On_Created(GameObject* object) = 0;                                            // slot 4
  virtual void Event_5(uint32_t value) = 0;                                                   // slot 5
  virtual void On_Killed(GameObject* object, GameObject* killer) = 0;                         // slot 6
  virtual void On_Damaged(GameObject* object, GameObject* damager, uint32_t value) = 0;      // slot 7
  virtual void Event_8(uint32_t value1, uint32_t value2, uint32_t value3, uint32_t value4) = 0;  // slot 8
  virtual void Event_9(uint32_t value1, uint32_t value2) = 0;                                 // slot 9
  virtual void Event_10(uint32_t value1, uint32_t value2) = 0;                                // slot 10
  virtual void Event_11(uint32_t value1, uint32_t value2, uint32_t value3) = 0;               // slot 11
  virtual void On_Timer_Expired(GameObject* object, int32_t number) = 0;                      // slot 12
  virtual void Event_13(uint32_t value1, uint32_t value2) = 0;                                // slot 13
  virtual void Event_14(uint32_t value1, uint32_t value2) = 0;                                // slot 14
  virtual void Event_15(uint32_t value1, uint32_t value2) = 0;                                // slot 15
  virtual void Event_16(uint32_t value1, uint32_t value2) = 0;                                // slot 16

  // Zero at construction; the plug-in does not use it otherwise.
  uint32_t ObserverWord = 0;

  GameObjObserverClass(const GameObjObserverClass&) = delete;
  GameObjObserverClass& operator=(const GameObjObserverClass&) = delete;

 protected:
  GameObjObserverClass() noexcept = default;
  // Not virtual, and not public: destruction goes through slot 0 only.
  ~GameObjObserverClass() = default;
};
