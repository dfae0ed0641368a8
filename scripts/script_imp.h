#pragma once
#include <cstddef>
#include <cstdint>

#include "host/command_table.h"
#include "scripts/script_class.h"

class ScriptFactory;

// One variable saved with its script: Size bytes at Data, under micro-chunk Id.
struct AutoSaveVariable {
  void* Data;
  uint32_t Size;
  uint32_t Id;
  AutoSaveVariable* Next;  // next record, or null
};
static_assert(offsetof(AutoSaveVariable, Data) == 0, "address of the variable first");
static_assert(offsetof(AutoSaveVariable, Size) == 4, "size at 4");
static_assert(offsetof(AutoSaveVariable, Id) == 8, "micro-chunk id at 8");
static_assert(offsetof(AutoSaveVariable, Next) == 12, "next record at 12");
static_assert(sizeof(AutoSaveVariable) == 16, "four words");

// The chunk under which a script's registered variables are saved ("vasc" on disk).
constexpr uint32_t ScriptChunkId = 0x63736176;

// The base of every script: owner bookkeeping, parameters, saving and loading of
// registered variables, the destroy request, and empty events. All 26 slots are filled
// here; script classes override the events they need (slots 4, 6, 7 and 12).
//
// Script objects live in host-allocated memory and are destroyed by the host through
// slot 0. A script class made by a ScriptRegistrant gets a slot 0 that runs its complete
// destructor; the one here destroys a ScriptImpClass and nothing beyond it.
class ScriptImpClass : public ScriptClass {
 public:
  void* Destroy(uint32_t flags) override;                                                 // slot 0
  const char* Get_Script_Name() override;                                                 // slot 1
  void Attach_To_Object(GameObject* object) override;                                     // slot 2
  void Detach_From_Object(uint32_t value) override;                                       // slot 3
  void On_Created(GameObject* object) override;                                           // slot 4
  void Event_5(uint32_t value) override;                                                  // slot 5
  void On_Killed(GameObject* object, GameObject* killer) override;                        // slot 6
  void On_Damaged(GameObject* object, GameObject* damager, uint32_t value) override;     // slot 7
  void Event_8(uint32_t value1, uint32_t value2, uint32_t value3, uint32_t value4) override;  // slot 8
  void Event_9(uint32_t value1, uint32_t value2) override;                                // slot 9
  void Event_10(uint32_t value1, uint32_t value2) override;                               // slot 10
  void Event_11(uint32_t value1, uint32_t value2, uint32_t value3) override;              // slot 11
  void On_Timer_Expired(GameObject* object, int32_t number) override;                     // slot 12
  void Event_13(uint32_t value1, uint32_t value2) override;                               // slot 13
  void Event_14(uint32_t value1, uint32_t value2) override;                               // slot 14
  void Event_15(uint32_t value1, uint32_t value2) override;                               // slot 15
  void Event_16(uint32_t value1, uint32_t value2) override;                               // slot 16
  GameObject* Get_Owner() override;                                                       // slot 17
  GameObject** Get_Owner_Address() override;                                              // slot 18
  void Set_Parameter_Text(const char* text) override;                                     // slot 19
  void Get_Parameter_Text(char* buffer, uint32_t size) override;                          // slot 20
  void Save_State(ChunkSaver* saver) override;                                            // slot 21
  void Load_State(ChunkLoader* loader) override;                                          // slot 22
  void Event_23(uint32_t value) override;                                                 // slot 23
  void Event_24(uint32_t value) override;                                                 // slot 24
  void On_Constructed() override;                                                         // slot 25

  // Releases every parameter text and the array; leaves no parameters.
  void Clear_Parameters();
  // Replaces the parameter at index (below ParameterCount) with a host-allocated copy of text.
  void Set_Parameter(int32_t index, const char* text);
  // Adds a variable to be saved and loaded with the script, at the end of the list.
  // False when the host allocator gave no record.
  bool Register_Auto_Save_Variable(void* data, uint32_t size, uint32_t id);

  // The members the host lays out after the virtual-table pointer and ObserverWord.
  GameObject* Owner = nullptr;             // the object the script is attached to, or null
  int32_t ParameterCount = 0;              // entries in Parameters
  char** Parameters = nullptr;             // host-allocated texts in a host-allocated array, or null
  ScriptFactory* Factory = nullptr;        // the factory that made the script
  AutoSaveVariable* AutoSaveList = nullptr;  // first registered variable, or null

 protected:
  ScriptImpClass() noexcept = default;
  // Not virtual (see slot 0): releases the registered variables and the parameters.
  ~ScriptImpClass();
};

// Member offsets the host relies on. offsetof on a class with virtual functions is
// conditionally supported; g++ gives the plain layout here (single inheritance, no
// virtual bases).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(ScriptImpClass, ObserverWord) == 4, "observer word right after the table pointer");
static_assert(offsetof(ScriptImpClass, Owner) == 8, "owner at 8");
static_assert(offsetof(ScriptImpClass, ParameterCount) == 12, "parameter count at 12");
static_assert(offsetof(ScriptImpClass, Parameters) == 16, "parameter array at 16");
static_assert(offsetof(ScriptImpClass, Factory) == 20, "factory at 20");
static_assert(offsetof(ScriptImpClass, AutoSaveList) == 24, "registered variables at 24");
#pragma GCC diagnostic pop
static_assert(sizeof(ScriptImpClass) == 28, "a bare script is 28 bytes");

// A host-allocated copy of a zero-terminated text, or null when the host allocator gave
// nothing. The caller gives it back through the host allocator.
char* Duplicate_Text(const char* text);
