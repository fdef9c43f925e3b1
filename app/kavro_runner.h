// For the tests: runs the real kavro program in a folder of its own, as a
// user would, and reads back what it printed and wrote.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace kavro::app::testing {

struct KavroRun {
  int exitCode = -1;
  std::string out;  // standard output
  std::string err;  // standard error
};

// A fresh temporary folder, removed with everything in it at the end.
class KavroFolder {
 public:
  KavroFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("kavro-app-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~KavroFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  KavroFolder(const KavroFolder &) = delete;
  KavroFolder &operator=(const KavroFolder &) = delete;

  std::filesystem::path Path(const std::string &name) const { return path_ / name; }

  void Write(const std::string &name, const std::string &text) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
  }

  std::string Read(const std::string &name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  bool Exists(const std::string &name) const { return std::filesystem::exists(path_ / name); }

  // Every file in the folder, hidden ones too, sorted.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // Runs "kavro <arguments>" with this folder as the working folder.
  KavroRun Run(const std::string &arguments) const {
    const std::string command =
        "cd '" + path_.string() + "' && '" KAVRO_APP_PATH "' " + arguments + " >.stdout 2>.stderr";
    const int status = std::system(command.c_str());
    KavroRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = Read(".stdout");
    run.err = Read(".stderr");
    std::filesystem::remove(path_ / ".stdout");
    std::filesystem::remove(path_ / ".stderr");
    return run;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace kavro::app::testing
