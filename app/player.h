// Plays a script through the host: the document set up, the module loaded,
// every message sent in order, and the host's state written out.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/dialog_pictures.h"
#include "app/script.h"

namespace kavro::app {

// The module file cannot be loaded.
class ModuleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Checks what only a host with the module can check, in a host of its own
// that is gone before the script runs: the symbols' path data, the tools the
// messages name (as the module registers them at start-up) and the settings
// against the tools they belong to. Fills in each message's toolPosition and
// writes. Throws ScriptError, or ModuleError.
void CheckAgainstModule(Script &script, const std::filesystem::path &module);

struct PlayOptions {
  std::filesystem::path module;
  std::optional<uint64_t> seed;  // replaces the script's "random" when set
};

struct PlayOutput {
  std::string svg;
  std::string json;
  std::vector<DialogPicture> dialogPictures;
  std::vector<std::string> hostErrors;
  std::size_t messagesSent = 0;
  std::size_t artObjects = 0;
  std::size_t layers = 0;
};

// Runs a checked script. A message the host cannot carry out in the state
// the script has brought it to (a tool not registered yet, no settings block
// to write to, random draws used up) throws ScriptError naming it; so does
// ModuleError. A failure the host reports for a message (a misuse by the
// plug-in) is a host error of the run, which goes on.
PlayOutput PlayScript(const Script &script, const PlayOptions &options);

}  // namespace kavro::app
