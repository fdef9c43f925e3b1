// Output files written whole or not at all.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace kavro::app {

// A file that cannot be written; the message names it.
class OutputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct OutputFile {
  std::filesystem::path path;
  std::string content;
};

// Checks before a run that a file can be put at `path`: its folder exists and
// the path is no folder. Throws OutputError.
void CheckOutputPath(const std::filesystem::path &path);

// Writes every file to a temporary file in its own folder, then renames them
// into place only once all are written, so that a failure leaves no file
// half-written and the earlier files as they were. Throws OutputError.
void WriteOutputs(const std::vector<OutputFile> &files);

}  // namespace kavro::app
