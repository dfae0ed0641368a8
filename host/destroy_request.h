#pragma once
#include "engine/host_calling.h"

class ScriptImpClass;

// The host's function through which a script asks to be destroyed, handed over by
// Set_Request_Destroy_Func; null until then, and requests made before are dropped.
using DestroyRequestFunction = void(HOST_CDECL*)(ScriptImpClass* script);
extern DestroyRequestFunction DestroyRequestCallback;

// Asks the host to destroy a script, when the host has given the means to.
inline void Request_Destroy(ScriptImpClass* script) {
  if (DestroyRequestCallback) DestroyRequestCallback(script);
}
