#include "host/framework_records.h"

void* ExtensionModule = nullptr;
FrameworkSettings* Framework_Settings = nullptr;
FrameworkData* Framework_Data = nullptr;
