#pragma once
#include <cstdint>

#include "host/command_table.h"
#include "scripts/game_obj_observer.h"

// The host's script interface: slots 17 to 25, after the observer's. Never instantiated
// by itself; ScriptImpClass fills every slot.
class ScriptClass : public GameObjObserverClass {
 public:
  virtual GameObject* Get_Owner() = 0;                             // slot 17
  virtual GameObject** Get_Owner_Address() = 0;                    // slot 18
  virtual void Set_Parameter_Text(const char* text) = 0;           // slot 19
  virtual void Get_Parameter_Text(char* buffer, uint32_t size) = 0;  // slot 20
  virtual void Save_State(ChunkSaver* saver) = 0;                  // slot 21
  virtual void Load_State(ChunkLoader* loader) = 0;                // slot 22
  virtual void Event_23(uint32_t value) = 0;                       // slot 23
  virtual void Event_24(uint32_t value) = 0;                       // slot 24
  virtual void On_Constructed() = 0;                               // slot 25

 protected:
  ScriptClass() noexcept = default;
  ~ScriptClass() = default;
};
