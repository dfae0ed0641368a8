#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tests/sim/game_object.h"

// The host's side of scripts: attaching them to game objects, delivering their events
// through their slots by position, running their timers on a simulated clock and
// destroying them when asked.
//
// Every delivery is one event. A destroy request made during an event is honoured when
// the outermost event ends: the script leaves its object's script array, its timers are
// dropped, and slot 0 is called with flag 1. A request made outside any event waits for
// the end of the next one, or for Honour_Destroy_Requests().
//
// The log (event_log.h) gets one line per delivery, "<name> on <object id>: <event>":
// created, timer <n> at <seconds>, damaged by <id>, killed by <id>, detached, destroy
// requested, destroyed; and one line for anything the host refuses.
namespace sim {

// Both cdecl, the default for plain functions here. The attribute is left out of these
// types on purpose: g++ mangles it into a parameter type in some translation units and not
// in others, which breaks the link.
using CreateScriptFunction = void* (*)(const char* name);
using DestroyRequestFunction = void (*)(void* script);

class ScriptHost {
 public:
  static ScriptHost& Instance();

  // Starts afresh: no scripts, no timers, clock at 0, no own scripts. Scripts are made
  // by create_script (the plug-in's Create_Script).
  void Reset(CreateScriptFunction create_script);
  // A name the host answers with a script of its own when the plug-in knows no such
  // script (the framework's scripts).
  void Add_Host_Own_Script(const std::string& name);
  // The function to hand to the plug-in's Set_Request_Destroy_Func.
  static DestroyRequestFunction Destroy_Request_Function();

  // Attach_Script: creates the script by name, hands over the parameter text, attaches
  // it and delivers On_Created. Answers the script, or null when no script has the name.
  void* Attach(GameObjectRecord* object, const char* name, const char* parameters);
  // Start_Timer: On_Timer_Expired(object, number) after seconds of simulated time.
  void Start_Timer(GameObjectRecord* object, void* script, float seconds, int32_t number);
  // Runs the clock forward, delivering every timer that falls due on the way, in order.
  void Advance(double seconds);
  // Delivers On_Damaged or On_Killed to every script on the victim, in array order. The
  // caller sets the victim's health and armor as the hit left them.
  void Damage(GameObjectRecord* victim, GameObjectRecord* damager, float amount);
  void Kill(GameObjectRecord* victim, GameObjectRecord* killer);
  // The object goes away: every script on it is detached, and whatever is still attached
  // once the requests are honoured is destroyed by the host.
  void Remove_Object(GameObjectRecord* object);
  // Removes every object that still carries scripts (the end of a level, or of a test).
  void Remove_All_Objects();

  void Request_Destroy(void* script);
  void Honour_Destroy_Requests();

  double Now() const { return now_us_ / 1e6; }
  size_t Pending_Timers() const { return timers_.size(); }
  size_t Live_Scripts() const { return scripts_.size(); }
  bool Is_Live(void* script) const { return Find(script) != nullptr; }

 private:
  struct Hosted {
    void* script;
    GameObjectRecord* object;
    std::string name;  // as the script answers it
  };
  struct Timer {
    int64_t due_us;
    uint64_t order;
    GameObjectRecord* object;
    void* script;
    int32_t number;
  };
  class Event;

  ScriptHost() = default;
  const Hosted* Find(void* script) const;
  void Log_For(const Hosted& hosted, const std::string& what) const;
  std::vector<void*> Scripts_On(GameObjectRecord* object) const;
  void Destroy(void* script);

  CreateScriptFunction create_script_ = nullptr;
  std::vector<std::string> own_names_;
  std::vector<Hosted> scripts_;
  std::vector<Timer> timers_;
  std::vector<void*> destroy_queue_;
  uint64_t next_timer_order_ = 0;
  int64_t now_us_ = 0;
  int event_depth_ = 0;
};

// Command table words of the script commands.
namespace script_word {
constexpr uint32_t Attach_Script = 30, Start_Timer = 32;
}

struct CommandTableRecord;
// Puts Attach_Script and Start_Timer of ScriptHost::Instance() into a command table.
void Install_Script_Host_Commands(CommandTableRecord& table);

}  // namespace sim
