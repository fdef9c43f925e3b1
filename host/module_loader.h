// Loading a module file at run time: its code through the system's loader,
// its compiled resources from the module itself. On Linux (module_loader.cpp)
// the dynamic loader loads the code and the resources come from the
// non-loaded ELF section the build adds to the file; on Windows
// (module_loader_windows.cpp) the Windows loader loads the DLL and the
// system's resource functions read its resource section.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "host/resources.h"
#include "hostapi/kv_message.h"

namespace kavro::host {

// The section in which a module file carries its compiled resources (.res).
inline constexpr std::string_view kResourceSectionName = ".kavro_rsrc";

// The bytes of section `name` of an ELF file (32- or 64-bit, little-endian).
// Throws HostError when the file is not such a file or has no such section.
// Linux only: Windows modules carry their resources in their resource section.
std::vector<uint8_t> ReadElfSection(const std::filesystem::path &file, std::string_view name);

// One module file opened by the system's loader, with its resources.
class ModuleLibrary {
 public:
  // Reads the module's resources, opens the file and finds its entry point
  // (on Windows the resources are read from the loaded DLL); throws
  // HostError on failure, when the module has no resources, or when they are
  // malformed.
  explicit ModuleLibrary(const std::filesystem::path &file);
  // Closes without the check of Close (the host is going away).
  ~ModuleLibrary();
  ModuleLibrary(const ModuleLibrary &) = delete;
  ModuleLibrary &operator=(const ModuleLibrary &) = delete;

  KvPluginMainProc Entry() const { return entry_; }
  // Every resource of the module, as read when it was opened.
  const ResourceTable &Resources() const { return resources_; }
  // The loader's handle: the module's instance handle on this platform.
  void *Handle() const { return handle_; }
  // Closes the module and makes sure the loader really dropped it, so that
  // none of its static data survives; throws HostError when it is still
  // loaded (the module can then never be loaded afresh).
  void Close();

 private:
  std::filesystem::path file_;
  ResourceTable resources_;
  void *handle_ = nullptr;
  KvPluginMainProc entry_ = nullptr;
};

}  // namespace kavro::host
