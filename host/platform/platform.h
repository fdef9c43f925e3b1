// The host's side of the platform layer: which modules are loaded and where
// their resources are, and which cursor a module last made current.
//
// Modules call LoadCursorA and SetCursor (hostapi/kv_platform.h). On Windows
// these are the system's; elsewhere the layer provides them (platform.cpp),
// and the host registers each module it loads here so that LoadCursorA can
// find the module's cursors. Module instances are plain pointers here, so
// that the host's code never needs <windows.h>, whose macros clash with its
// names.
#pragma once

#include <cstdint>
#include <span>

#ifndef _WIN32
#include "hostapi/kv_platform.h"
#endif

namespace kavro::platform {

// Read access to one module's compiled resources.
class ModuleResources {
 public:
  // The bytes of resource `id` of type `type` (both numbers), or an empty
  // span when the module has no such resource.
  virtual std::span<const uint8_t> FindNumbered(uint16_t type, uint16_t id) const = 0;

 protected:
  ~ModuleResources() = default;
};

// A cursor as LoadCursorA found it; owned by the platform for the rest of the
// process, so a cursor handle never dangles.
struct Cursor {
  void *module;  // the module's instance handle
  uint16_t resourceId;
  uint16_t hotSpotX;
  uint16_t hotSpotY;
  uint16_t width;
  uint16_t height;
};

// Makes the resources of the module `instance` visible to LoadCursorA. The
// host keeps `resources` alive until UnregisterModule. Registering an
// instance again replaces its resources. (On Windows, where the system loads
// the cursors, registering makes the module's cursors known by their
// handles.)
void RegisterModule(void *instance, const ModuleResources *resources);
// Forgets a module (it is about to be unloaded); its cursors stay valid.
void UnregisterModule(void *instance);
// The cursor SetCursor last made current, or null for none.
const Cursor *CurrentCursor();
// Clears the current cursor (a new host starts without one).
void ResetCursor();

}  // namespace kavro::platform
