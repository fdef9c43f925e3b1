#include "app/output_files.h"

#include <fstream>
#include <random>
#include <system_error>

namespace kavro::app {
namespace {

std::filesystem::path FolderOf(const std::filesystem::path &path) {
  return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// A name beside `path` that no other run picks: hidden, with a random part.
std::filesystem::path TemporaryPathFor(const std::filesystem::path &path) {
  static std::mt19937_64 generator{std::random_device{}()};
  for (;;) {
    const std::filesystem::path candidate =
        FolderOf(path) /
        ("." + path.filename().string() + "." + std::to_string(generator() % 1000000000) + ".tmp");
    std::error_code error;
    if (!std::filesystem::exists(candidate, error)) return candidate;
  }
}

void WriteWhole(const std::filesystem::path &path, const std::string &content) {
  // Binary: the same bytes on every platform, no newline translation.
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  out.close();
  if (!out) throw OutputError(path.string() + ": cannot be written");
}

void RemoveQuietly(const std::vector<std::filesystem::path> &paths) {
  for (const std::filesystem::path &path : paths) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
}

}  // namespace

void CheckOutputPath(const std::filesystem::path &path) {
  std::error_code error;
  if (path.empty() || !path.has_filename())
    throw OutputError("\"" + path.string() + "\" names no file");
  if (!std::filesystem::is_directory(FolderOf(path), error)) {
    throw OutputError(path.string() + ": the folder " + FolderOf(path).string() +
                      " does not exist");
  }
  if (std::filesystem::is_directory(path, error)) {
    throw OutputError(path.string() + ": is a folder");
  }
}

void WriteOutputs(const std::vector<OutputFile> &files) {
  std::vector<std::filesystem::path> temporaries;
  try {
    for (const OutputFile &file : files) {
      temporaries.push_back(TemporaryPathFor(file.path));
      WriteWhole(temporaries.back(), file.content);
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
      std::error_code error;
      std::filesystem::rename(temporaries[i], files[i].path, error);
      if (error)
        throw OutputError(files[i].path.string() + ": cannot be written: " + error.message());
    }
  } catch (...) {
    RemoveQuietly(temporaries);
    throw;
  }
}

}  // namespace kavro::app
