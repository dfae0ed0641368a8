#include "scripts/game_obj_observer.h"

#include "engine/host_allocator.h"

void* GameObjObserverClass::Destroy(uint32_t flags) {
  this->~GameObjObserverClass();
  if (flags & 1) Host_Release(this);
  return this;
}
