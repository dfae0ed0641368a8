#include "tests/sim/script_host.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tests/sim/command_table.h"
#include "tests/sim/event_log.h"
#include "tests/sim/host_own_script.h"
#include "tests/sim/script_slots.h"

namespace sim {

namespace {

std::string Id_Of(const GameObjectRecord* object) { return object ? std::to_string(object->Id) : "none"; }

std::string Seconds(int64_t microseconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", microseconds / 1e6);
  return text;
}

void __attribute__((cdecl)) Attach_Script_Command(GameObjectRecord* object, const char* name, const char* parameters) {
  ScriptHost::Instance().Attach(object, name, parameters);
}

void __attribute__((cdecl)) Start_Timer_Command(GameObjectRecord* object, void* script, float seconds, int32_t number) {
  ScriptHost::Instance().Start_Timer(object, script, seconds, number);
}

void __attribute__((cdecl)) Destroy_Request_Callback(void* script) { ScriptHost::Instance().Request_Destroy(script); }

}  // namespace

// One delivery; the outermost one honours the destroy requests made during it.
class ScriptHost::Event {
 public:
  explicit Event(ScriptHost& host) : host_(host) { ++host_.event_depth_; }
  ~Event() {
    if (--host_.event_depth_ == 0) host_.Honour_Destroy_Requests();
  }
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;

 private:
  ScriptHost& host_;
};

ScriptHost& ScriptHost::Instance() {
  static ScriptHost host;
  return host;
}

void ScriptHost::Reset(CreateScriptFunction create_script) {
  create_script_ = create_script;
  own_names_.clear();
  scripts_.clear();
  timers_.clear();
  destroy_queue_.clear();
  next_timer_order_ = 0;
  now_us_ = 0;
  event_depth_ = 0;
}

void ScriptHost::Add_Host_Own_Script(const std::string& name) { own_names_.push_back(name); }

DestroyRequestFunction ScriptHost::Destroy_Request_Function() { return &Destroy_Request_Callback; }

const ScriptHost::Hosted* ScriptHost::Find(void* script) const {
  for (const Hosted& hosted : scripts_)
    if (hosted.script == script) return &hosted;
  return nullptr;
}

void ScriptHost::Log_For(const Hosted& hosted, const std::string& what) const {
  Log(hosted.name + " on " + Id_Of(hosted.object) + ": " + what);
}

std::vector<void*> ScriptHost::Scripts_On(GameObjectRecord* object) const {
  std::vector<void*> scripts(object->Scripts, object->Scripts + object->ScriptCount);
  scripts.erase(std::remove_if(scripts.begin(), scripts.end(), [this](void* s) { return !Find(s); }), scripts.end());
  return scripts;
}

void* ScriptHost::Attach(GameObjectRecord* object, const char* name, const char* parameters) {
  const std::string shown = name ? name : "(null)";
  if (!object) {
    Log("attach " + shown + ": no object");
    return nullptr;
  }
  void* script = create_script_ ? create_script_(name) : nullptr;
  if (!script && name && std::find(own_names_.begin(), own_names_.end(), name) != own_names_.end())
    script = Create_Host_Own_Script(name);
  if (!script) {
    Log("attach " + shown + " to " + Id_Of(object) + ": no such script");
    return nullptr;
  }
  const char* answered = Call_Slot<const char*>(script, slot::Get_Script_Name);
  scripts_.push_back(Hosted{script, object, answered ? answered : "(null)"});
  Event event(*this);
  Call_Slot<void>(script, slot::Set_Parameter_Text, parameters);
  Call_Slot<void>(script, slot::Attach_To_Object, object);
  object->Add_Script(script);
  Log_For(*Find(script), "created");
  Call_Slot<void>(script, slot::On_Created, object);
  return script;
}

// A timer falls due at least one microsecond later, so a script that keeps restarting
// a zero-second timer cannot hold the clock still.
void ScriptHost::Start_Timer(GameObjectRecord* object, void* script, float seconds, int32_t number) {
  const Hosted* hosted = Find(script);
  if (!hosted) {
    Log("timer " + std::to_string(number) + " for an unknown script: ignored");
    return;
  }
  const int64_t delay = std::max<int64_t>(1, std::llround(double(seconds) * 1e6));
  timers_.push_back(Timer{now_us_ + delay, next_timer_order_++, object, script, number});
}

void ScriptHost::Advance(double seconds) {
  const int64_t until = now_us_ + std::llround(seconds * 1e6);
  for (;;) {
    auto next = std::min_element(timers_.begin(), timers_.end(), [](const Timer& a, const Timer& b) {
      return a.due_us != b.due_us ? a.due_us < b.due_us : a.order < b.order;
    });
    if (next == timers_.end() || next->due_us > until) break;
    const Timer timer = *next;
    timers_.erase(next);
    now_us_ = timer.due_us;
    Event event(*this);
    Log_For(*Find(timer.script), "timer " + std::to_string(timer.number) + " at " + Seconds(now_us_));
    Call_Slot<void>(timer.script, slot::On_Timer_Expired, timer.object, timer.number);
  }
  now_us_ = until;
}

void ScriptHost::Damage(GameObjectRecord* victim, GameObjectRecord* damager, float amount) {
  Event event(*this);
  for (void* script : Scripts_On(victim)) {
    if (!Find(script)) continue;
    Log_For(*Find(script), "damaged by " + Id_Of(damager));
    Call_Slot<void>(script, slot::On_Damaged, victim, damager, amount);
  }
}

void ScriptHost::Kill(GameObjectRecord* victim, GameObjectRecord* killer) {
  Event event(*this);
  for (void* script : Scripts_On(victim)) {
    if (!Find(script)) continue;
    Log_For(*Find(script), "killed by " + Id_Of(killer));
    Call_Slot<void>(script, slot::On_Killed, victim, killer);
  }
}

void ScriptHost::Remove_Object(GameObjectRecord* object) {
  {
    Event event(*this);
    for (void* script : Scripts_On(object)) {
      if (!Find(script)) continue;
      Log_For(*Find(script), "detached");
      Call_Slot<void>(script, slot::Detach_From_Object, uint32_t{0});
    }
  }
  for (void* script : Scripts_On(object)) Destroy(script);
}

void ScriptHost::Remove_All_Objects() {
  while (!scripts_.empty()) Remove_Object(scripts_.front().object);
}

void ScriptHost::Request_Destroy(void* script) {
  const Hosted* hosted = Find(script);
  if (!hosted) {
    Log("destroy requested for an unknown script: ignored");
    return;
  }
  Log_For(*hosted, "destroy requested");
  if (std::find(destroy_queue_.begin(), destroy_queue_.end(), script) == destroy_queue_.end())
    destroy_queue_.push_back(script);
}

void ScriptHost::Honour_Destroy_Requests() {
  while (!destroy_queue_.empty()) {
    void* script = destroy_queue_.front();
    destroy_queue_.erase(destroy_queue_.begin());
    if (Find(script)) Destroy(script);
  }
}

void ScriptHost::Destroy(void* script) {
  const Hosted hosted = *Find(script);
  hosted.object->Remove_Script(script);
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(), [script](const Timer& t) { return t.script == script; }),
                timers_.end());
  scripts_.erase(std::find_if(scripts_.begin(), scripts_.end(), [script](const Hosted& h) { return h.script == script; }));
  Log_For(hosted, "destroyed");
  void* answered = Call_Slot<void*>(script, slot::Destroy, uint32_t{1});
  if (answered != script) Log(hosted.name + ": slot 0 answered another address than the script's");
}

void Install_Script_Host_Commands(CommandTableRecord& table) {
  table.Set(script_word::Attach_Script, reinterpret_cast<const void*>(&Attach_Script_Command));
  table.Set(script_word::Start_Timer, reinterpret_cast<const void*>(&Start_Timer_Command));
}

}  // namespace sim
