// Exports of the script framework, not built yet.
class ScriptImpClass;

extern "C" {
// The host's destroy-request function is not kept yet.
void Set_Request_Destroy_Func(void (*)(ScriptImpClass*)) {}
// No script class is registered yet, so no name is known.
ScriptImpClass* Create_Script(const char*) { return nullptr; }
}
