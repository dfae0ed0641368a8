#include "host/extension_functions.h"

#define BW_EXTENSION_NO_POINTER(name, word)
#define BW_EXTENSION_DEFINE_POINTER(name) void* name = nullptr;

namespace Extension {
BW_EXTENSION_FUNCTIONS(BW_EXTENSION_NO_POINTER, BW_EXTENSION_DEFINE_POINTER)
}
