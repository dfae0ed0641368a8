// Exports of the script framework: cdecl, undecorated (see brakewater.def).
#include "host/destroy_request.h"
#include "scripts/script_factory.h"

extern "C" {

// Keeps the host's function through which scripts ask to be destroyed, replacing any
// earlier one.
void Set_Request_Destroy_Func(DestroyRequestFunction callback) { DestroyRequestCallback = callback; }

// A new script of the registered class whose name matches, ignoring the case of ASCII
// letters; null for a null name or a name that no factory carries. The host owns the
// script and destroys it through its slot 0.
ScriptImpClass* Create_Script(const char* name) { return Create_Registered_Script(name); }

}  // extern "C"
