#include "host/destroy_request.h"

DestroyRequestFunction DestroyRequestCallback = nullptr;
