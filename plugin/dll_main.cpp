#include <windows.h>

#include "engine/host_build.h"
#include "platform/console.h"

// Static initialisation (the script registry) has run before this is called.
extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  DisableThreadLibraryCalls(module);
  if (HostBuild == HOST_BUILD_UNRECOGNISED) Detect_Host_Build();
  if (!Host_Allocator_Is_Bound()) {
    // Without the host allocator nothing of the plug-in can run; refuse the load.
    Console_Print("brakewater.dll: this server build is not supported; the plug-in is not loaded\n");
    return FALSE;
  }
  return TRUE;
}
