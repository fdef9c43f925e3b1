// Loading a module DLL with the Windows loader, and reading its resources
// through the system's resource functions, as a Windows host does.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "host/host.h"
#include "host/module_loader.h"
#include "host/plugin_properties.h"

namespace kavro::host {
namespace {

// The system's text for an error code, on one line; an insert (the file the
// error is about) reads "the file".
std::string SystemError(DWORD code) {
  char *text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char *>(&text), 0, nullptr);
  std::string message = length > 0 ? std::string(text, length) : std::string();
  LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                              message.back() == ' ' || message.back() == '.')) {
    message.pop_back();
  }
  for (size_t at = message.find("%1"); at != std::string::npos; at = message.find("%1", at)) {
    message.replace(at, 2, "the file");
  }
  if (message.empty()) message = "unknown error";
  return message + " (error " + std::to_string(code) + ")";
}

ResourceId IdFromSystem(LPCWSTR id) {
  if (IS_INTRESOURCE(id)) return ResourceId::Number(LOWORD(reinterpret_cast<ULONG_PTR>(id)));
  // wchar_t holds UTF-16 on Windows.
  std::u16string name;
  for (const wchar_t *c = id; *c != 0; ++c) name.push_back(static_cast<char16_t>(*c));
  return ResourceId::Name(std::move(name));
}

// An id as the resource functions take it; `text` keeps a name's characters
// alive for the call.
LPCWSTR IdForSystem(const ResourceId &id, std::wstring &text) {
  if (id.number) return MAKEINTRESOURCEW(*id.number);
  text.assign(id.name.begin(), id.name.end());
  return text.c_str();
}

struct ResourceKey {
  ResourceId type;
  ResourceId name;
  uint16_t language;
};

// What the enumeration callbacks collect. They run inside the system's code,
// so they never throw: a failure stops the enumeration and is noted here.
struct Inventory {
  std::vector<ResourceId> types;
  std::vector<ResourceId> names;
  std::vector<ResourceKey> keys;
  bool failed = false;
};

template <class Body>
BOOL Collect(LONG_PTR inventory, Body &&body) {
  auto &into = *reinterpret_cast<Inventory *>(inventory);
  try {
    body(into);
    return TRUE;
  } catch (...) {
    into.failed = true;
    return FALSE;
  }
}

BOOL CALLBACK CollectType(HMODULE, LPWSTR type, LONG_PTR inventory) {
  return Collect(inventory, [&](Inventory &into) { into.types.push_back(IdFromSystem(type)); });
}

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR inventory) {
  return Collect(inventory, [&](Inventory &into) { into.names.push_back(IdFromSystem(name)); });
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language,
                              LONG_PTR inventory) {
  return Collect(inventory, [&](Inventory &into) {
    into.keys.push_back({IdFromSystem(type), IdFromSystem(name), language});
  });
}

// Every resource of a loaded module, listed and read through the system's
// resource functions.
ResourceTable ReadResources(HMODULE module, const std::filesystem::path &file) {
  const auto fail = [&](const std::string &what) {
    throw HostError(file.string() + ": " + what + ": " + SystemError(GetLastError()));
  };
  Inventory inventory;
  if (!EnumResourceTypesW(module, CollectType, reinterpret_cast<LONG_PTR>(&inventory)) ||
      inventory.failed) {
    fail("cannot list the module's resources");
  }
  std::wstring typeText;
  std::wstring nameText;
  for (const ResourceId &type : inventory.types) {
    inventory.names.clear();
    const LPCWSTR typeId = IdForSystem(type, typeText);
    if (!EnumResourceNamesW(module, typeId, CollectName, reinterpret_cast<LONG_PTR>(&inventory)) ||
        inventory.failed) {
      fail("cannot list the module's resources");
    }
    for (const ResourceId &name : inventory.names) {
      if (!EnumResourceLanguagesW(module, typeId, IdForSystem(name, nameText), CollectLanguage,
                                  reinterpret_cast<LONG_PTR>(&inventory)) ||
          inventory.failed) {
        fail("cannot list the module's resources");
      }
    }
  }
  std::vector<Resource> resources;
  for (ResourceKey &key : inventory.keys) {
    const HRSRC found = FindResourceExW(module, IdForSystem(key.type, typeText),
                                        IdForSystem(key.name, nameText), key.language);
    const HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const auto *bytes = static_cast<const uint8_t *>(LockResource(loaded));
    if (bytes == nullptr) fail("cannot read a resource the module lists");
    const DWORD size = SizeofResource(module, found);
    resources.push_back(
        {std::move(key.type), std::move(key.name), key.language, {bytes, bytes + size}});
  }
  return ResourceTable(std::move(resources));
}

}  // namespace

ModuleLibrary::ModuleLibrary(const std::filesystem::path &file)
    : file_(std::filesystem::absolute(file)) {
  // The module's own folder is searched first for DLLs it depends on.
  HMODULE module = LoadLibraryExW(file_.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (module == nullptr) {
    throw HostError(file_.string() +
                    ": the Windows loader refused it: " + SystemError(GetLastError()));
  }
  PluginProperties properties;
  try {
    resources_ = ReadResources(module, file_);
    properties = ReadPluginProperties(resources_, file_.string());
  } catch (...) {
    FreeLibrary(module);
    throw;
  }
  FARPROC entry = GetProcAddress(module, properties.entryName.c_str());
  if (entry == nullptr) {
    FreeLibrary(module);
    throw HostError(file_.string() + ": the module exports no " + properties.entryName);
  }
  handle_ = module;
  // Through a function type without parameters, which may be cast to any
  // other function type.
  entry_ = reinterpret_cast<KvPluginMainProc>(reinterpret_cast<void (*)()>(entry));
}

ModuleLibrary::~ModuleLibrary() {
  if (handle_ != nullptr) FreeLibrary(static_cast<HMODULE>(handle_));
}

void ModuleLibrary::Close() {
  if (handle_ == nullptr) throw HostError(file_.string() + ": the module is not loaded");
  const auto module = static_cast<HMODULE>(handle_);
  handle_ = nullptr;
  entry_ = nullptr;
  if (!FreeLibrary(module)) {
    throw HostError(file_.string() + ": cannot unload the module: " + SystemError(GetLastError()));
  }
  if (GetModuleHandleW(file_.c_str()) != nullptr) {
    throw HostError(file_.string() +
                    ": the module stayed loaded after unloading (something else holds a "
                    "reference to it)");
  }
}

}  // namespace kavro::host
