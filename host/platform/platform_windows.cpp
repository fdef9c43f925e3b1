// The platform layer on Windows. Modules call the system's own LoadCursorA
// and SetCursor (user32); this side only tells the host which module cursor
// is current. When a module is registered, each of its cursor groups is
// loaded once: a cursor loaded from a module's resources is shared, so this
// is the very handle the module gets, and the current cursor (GetCursor) is
// recognised by it.
#include <windows.h>

#include <map>
#include <optional>
#include <vector>

#include "host/platform/platform.h"

namespace kavro::platform {
namespace {

// Every module cursor met so far, by its handle. Kept after the module is
// gone, as a cursor handle stays valid: the host can still name the cursor
// an unloaded module left current.
std::map<HCURSOR, Cursor> &KnownCursors() {
  static std::map<HCURSOR, Cursor> cursors;
  return cursors;
}

// True when `instance` is the base of a loaded module; a module linked into
// the host itself has a made-up instance that the system does not know.
bool IsLoadedModule(HINSTANCE instance) {
  HMODULE owner = nullptr;
  return GetModuleHandleExW(
             GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
             reinterpret_cast<LPCWSTR>(instance), &owner) &&
         owner == instance;
}

BOOL CALLBACK CollectNumber(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR numbers) {
  if (!IS_INTRESOURCE(name)) return TRUE;  // only numbered cursors are loaded by number
  try {
    reinterpret_cast<std::vector<uint16_t> *>(numbers)->push_back(
        LOWORD(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
  } catch (...) {
    return FALSE;  // never throw through the system's code
  }
}

std::vector<uint16_t> CursorGroupNumbers(HINSTANCE instance) {
  std::vector<uint16_t> numbers;
  EnumResourceNamesW(instance, MAKEINTRESOURCEW(12) /* RT_GROUP_CURSOR */, CollectNumber,
                     reinterpret_cast<LONG_PTR>(&numbers));
  return numbers;
}

// The size and hot spot the system made of a cursor; nothing when it cannot
// say.
std::optional<Cursor> Describe(HINSTANCE instance, uint16_t id, HCURSOR handle) {
  ICONINFO info{};
  if (!GetIconInfo(handle, &info)) return std::nullopt;
  BITMAP mask{};
  const bool measured = GetObjectW(info.hbmMask, sizeof mask, &mask) != 0;
  DeleteObject(info.hbmMask);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  if (!measured) return std::nullopt;
  // A monochrome cursor has no colour bitmap: its mask holds both masks, one
  // above the other.
  const LONG height = info.hbmColor == nullptr ? mask.bmHeight / 2 : mask.bmHeight;
  return Cursor{instance,
                id,
                static_cast<uint16_t>(info.xHotspot),
                static_cast<uint16_t>(info.yHotspot),
                static_cast<uint16_t>(mask.bmWidth),
                static_cast<uint16_t>(height)};
}

}  // namespace

void RegisterModule(void *module, const ModuleResources *) {
  const auto instance = static_cast<HINSTANCE>(module);
  if (!IsLoadedModule(instance)) return;
  for (const uint16_t id : CursorGroupNumbers(instance)) {
    const HCURSOR handle = LoadCursorW(instance, MAKEINTRESOURCEW(id));
    if (handle == nullptr) continue;
    if (const std::optional<Cursor> cursor = Describe(instance, id, handle)) {
      KnownCursors().insert_or_assign(handle, *cursor);
    }
  }
}

void UnregisterModule(void *) {}

const Cursor *CurrentCursor() {
  const auto known = KnownCursors().find(GetCursor());
  return known != KnownCursors().end() ? &known->second : nullptr;
}

void ResetCursor() { SetCursor(nullptr); }

}  // namespace kavro::platform
