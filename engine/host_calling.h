#pragma once
// Calling conventions of the host, which was built with the platform's standard 32-bit
// compiler: plain routines are cdecl, member routines and virtual functions thiscall.
#define HOST_CDECL __attribute__((cdecl))
#define HOST_THISCALL __attribute__((thiscall))
