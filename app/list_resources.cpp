// kavro_list_resources: loads a module file with the host's loader and lists
// every resource the host reads from it, one line each, sorted:
//
//   TYPE NAME LANGUAGE SIZE HASH
//
// TYPE and NAME are numbers or quoted names, HASH the 64-bit FNV-1a hash of
// the resource's bytes in hexadecimal. The Linux build reads the resources
// from the module's ELF section, the Windows build through the system's
// resource functions: the two listings of one module's builds must match.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/module_loader.h"
#include "host/resources.h"

namespace {

using kavro::host::Resource;
using kavro::host::ResourceId;

std::string IdText(const ResourceId &id) {
  if (id.number) return std::to_string(*id.number);
  return "\"" + kavro::host::Utf8FromUtf16(id.name) + "\"";
}

uint64_t Fnv1a(const std::vector<uint8_t> &bytes) {
  uint64_t hash = 0xCBF29CE484222325u;
  for (const uint8_t byte : bytes) {
    hash ^= byte;
    hash *= 0x100000001B3u;
  }
  return hash;
}

std::string Line(const Resource &resource) {
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx",
                static_cast<unsigned long long>(Fnv1a(resource.data)));
  return IdText(resource.type) + " " + IdText(resource.name) + " " +
         std::to_string(resource.language) + " " + std::to_string(resource.data.size()) + " " +
         hash;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::cerr << "usage: kavro_list_resources MODULE\n";
    return 2;
  }
  try {
    const kavro::host::ModuleLibrary module(argv[1]);
    std::vector<std::string> lines;
    const kavro::host::ResourceTable &resources = module.Resources();
    for (const Resource &resource : resources.All()) lines.push_back(Line(resource));
    std::sort(lines.begin(), lines.end());
    for (const std::string &line : lines) std::cout << line << "\n";
  } catch (const kavro::host::HostError &error) {
    std::cerr << "kavro_list_resources: " << error.what() << "\n";
    return 2;
  }
  return 0;
}
