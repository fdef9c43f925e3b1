// kavro: plays scripts of host messages through the Kavro host and the tool
// module, and draws the demo gallery.
#include <CLI/CLI.hpp>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/demo_script.h"
#include "app/output_files.h"
#include "app/player.h"
#include "app/script.h"
#include "app/settings_fields.h"
#include "host/host.h"

namespace {

using kavro::app::ModuleError;
using kavro::app::OutputError;
using kavro::app::OutputFile;
using kavro::app::Script;
using kavro::app::ScriptError;

// A bad command line found after parsing it (an output path that cannot be
// written, for one).
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

constexpr int kExitWriteFailed = 1;
constexpr int kExitBadInput = 2;
constexpr int kExitHostErrors = 3;

// What `run` and `demo` share.
// The module the build made: on Windows the DLL that the build puts beside
// kavro.exe, so that the two can be copied together; elsewhere the module
// where the build left it.
std::string DefaultModule([[maybe_unused]] const char *program) {
#ifdef _WIN32
  return (std::filesystem::path(program).parent_path() / "kavro.dll").string();
#else
  return KAVRO_DEFAULT_MODULE;
#endif
}

struct PlayArguments {
  std::string module;
  std::optional<uint64_t> seed;
  std::string svg;
  std::string json;
  std::string dialogs;  // a folder for the pictures of the dialogs
};

void AddPlayOptions(CLI::App &command, PlayArguments &arguments) {
  command.add_option("--module", arguments.module, "The tool module to load")
      ->check(CLI::ExistingFile)
      ->capture_default_str();
  command
      .add_option("--seed", arguments.seed,
                  "Seed of the host's random draws; replaces the script's \"random\"")
      ->type_name("N");
  command
      .add_option("--json", arguments.json,
                  "Write a JSON dump of the host's state after the run (\"-\": standard "
                  "output; docs/json-dump.md)")
      ->type_name("FILE");
  command
      .add_option("--dialogs", arguments.dialogs,
                  "Draw every dialog the run showed into this existing folder, as it closed "
                  "and at each of the script's snapshots (dialog-<n>-<snapshot>.svg)")
      ->type_name("FOLDER");
}

std::string ReadScriptFile(const std::filesystem::path &path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) throw ScriptError("", "no such file");
  if (std::filesystem::is_directory(path, error)) {
    throw ScriptError("", "is a folder, not a script");
  }
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) throw ScriptError("", "cannot be read");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw ScriptError("", "cannot be read");
  return text;
}

void CheckOutputPaths(const PlayArguments &arguments, const std::string &script) {
  std::vector<std::string> paths;
  if (!arguments.svg.empty()) paths.push_back(arguments.svg);
  if (!arguments.json.empty() && arguments.json != "-") paths.push_back(arguments.json);
  for (const std::string &path : paths) {
    try {
      kavro::app::CheckOutputPath(path);
    } catch (const OutputError &error) {
      throw UsageError(error.what());
    }
    std::error_code error;
    if (!script.empty() && std::filesystem::equivalent(path, script, error)) {
      throw UsageError(path + ": is the script itself");
    }
  }
  std::error_code error;
  if (!arguments.dialogs.empty() && !std::filesystem::is_directory(arguments.dialogs, error)) {
    throw UsageError(arguments.dialogs + ": no such folder (for --dialogs)");
  }
  const auto place = [](const std::string &path) {
    return std::filesystem::weakly_canonical(std::filesystem::absolute(path));
  };
  if (paths.size() == 2 && place(paths[0]) == place(paths[1])) {
    throw UsageError(paths[0] + ": given for both --svg and --json");
  }
}

void PrintSummary(const kavro::app::PlayOutput &output) {
  std::cout << output.messagesSent << " messages sent; " << output.artObjects << " art objects on "
            << output.layers << (output.layers == 1 ? " layer" : " layers") << "\n";
}

// Plays a checked script and writes what was asked for. Host errors of the
// run are printed after the files are written.
int Play(Script &script, const PlayArguments &arguments) {
  kavro::app::CheckAgainstModule(script, arguments.module);
  const kavro::app::PlayOutput output =
      kavro::app::PlayScript(script, {arguments.module, arguments.seed});
  std::vector<OutputFile> files;
  if (!arguments.svg.empty()) files.push_back({arguments.svg, output.svg});
  if (!arguments.json.empty() && arguments.json != "-") {
    files.push_back({arguments.json, output.json});
  }
  if (!arguments.dialogs.empty()) {
    for (const kavro::app::DialogPicture &picture : output.dialogPictures) {
      files.push_back({std::filesystem::path(arguments.dialogs) / picture.fileName, picture.svg});
    }
  }
  kavro::app::WriteOutputs(files);
  if (arguments.json == "-") {
    std::cout << output.json;
  } else {
    PrintSummary(output);
  }
  for (const std::string &error : output.hostErrors) {
    std::cerr << "kavro: host error: " << error << "\n";
  }
  return output.hostErrors.empty() ? 0 : kExitHostErrors;
}

// Runs `body`, turning each kind of failure into its one line and exit code.
template <class Body>
int Guarded(const std::string &scriptName, Body &&body) {
  try {
    return body();
  } catch (const ScriptError &error) {
    std::cerr << "kavro: " << scriptName << ": " << error.what() << "\n";
    return kExitBadInput;
  } catch (const UsageError &error) {
    std::cerr << "kavro: " << error.what() << "\n";
    return kExitBadInput;
  } catch (const ModuleError &error) {
    std::cerr << "kavro: cannot load the module: " << error.what() << "\n";
    return kExitBadInput;
  } catch (const OutputError &error) {
    std::cerr << "kavro: " << error.what() << "\n";
    return kExitWriteFailed;
  }
}

int RunCommand(const std::string &scriptPath, const PlayArguments &arguments) {
  return Guarded(scriptPath, [&] {
    CheckOutputPaths(arguments, scriptPath);
    Script script = kavro::app::ParseScript(ReadScriptFile(scriptPath));
    return Play(script, arguments);
  });
}

int DemoCommand(const PlayArguments &arguments, bool printScript) {
  if (printScript) {
    std::cout << kavro::app::DemoScript();
    return 0;
  }
  return Guarded("demo script", [&] {
    CheckOutputPaths(arguments, "");
    Script script = kavro::app::ParseScript(kavro::app::DemoScript());
    const int code = Play(script, arguments);
    if (arguments.json != "-") std::cout << "drew " << arguments.svg << "\n";
    return code;
  });
}

int InfoCommand(const std::string &module) {
  std::cout << "Built-in symbols:\n";
  for (const std::string &name : kavro::host::Host::BuiltinSymbolNames()) {
    std::cout << "  " << name << "\n";
  }
  std::cout << "Settings a \"settings\" message can write:\n  " << kavro::app::SettingFieldNames()
            << "\n";
  std::cout << "Operations a \"fault\" message can make fail:\n";
  for (const std::string &name : kavro::host::Host::OperationNames()) {
    std::cout << "  " << name << "\n";
  }
  try {
    kavro::host::Host host;
    host.LoadModule(module);
    const KvError result = host.SendInterface(kvSelectorStartup);
    std::cout << "Tools of " << module << " (start-up result " << result << "):\n";
    for (std::size_t i = 0; i < host.Tools().size(); ++i) {
      std::cout << "  " << i << ": \"" << host.Tools()[i].title << "\"\n";
    }
    host.SendInterface(kvSelectorShutdown);
  } catch (const kavro::host::HostError &error) {
    std::cerr << "kavro: cannot list the tools of " << module << ": " << error.what() << "\n";
    return kExitBadInput;
  }
  return 0;
}

constexpr const char *kScriptSummary =
    "A script is a JSON object (docs/script-format.md):\n"
    "  {\"symbols\": [built-in name or {\"name\", \"path\", \"fill\"}, ...], \"selected\": name,\n"
    "   \"random\": {\"seed\": N} or {\"sequence\": [r, ...]},\n"
    "   \"messages\": [{\"message\": name, ...}, ...], \"captions\": [{\"at\", \"text\"}, ...]}\n"
    "Messages sent to the module: startup, shutdown, about, unload, reload, mouse_down, drag,\n"
    "mouse_up, stroke, select, deselect, track_cursor, edit_options, raw. Sending nothing:\n"
    "fault, clear_faults, settings, select_symbol. A script without \"startup\" runs between\n"
    "an implied startup and shutdown. edit_options and about take a \"dialog\" list of the\n"
    "user's actions in the dialogs they open: {\"set\": item, \"value\": number},\n"
    "{\"check\": item, \"value\": true}, {\"popup\": item, \"entry\": index}, {\"press\": item},\n"
    "{\"snapshot\": name}. The whole script is checked before anything runs; outputs are\n"
    "written only when the run succeeds.\n\n";

constexpr const char *kFooter =
    "Exit codes: 0 success; 1 an output file could not be written; 2 a bad command line,\n"
    "script or module (nothing is written); 3 the host reported errors (files are written,\n"
    "the errors printed). Script format: docs/script-format.md; dump: docs/json-dump.md.";

}  // namespace

int main(int argc, char **argv) {
  CLI::App app{
      "kavro: plays scripts of host messages through the Kavro host, which loads the symbol\n"
      "tool module, and writes the document as SVG and the host's state as JSON."};
  app.footer(kFooter);
  app.require_subcommand(1);

  const std::string defaultModule = DefaultModule(argv[0]);
  std::string scriptPath;
  PlayArguments runArguments;
  runArguments.module = defaultModule;
  CLI::App *run = app.add_subcommand(
      "run", "Play a script of host messages (docs/script-format.md) and write what it drew");
  run->add_option("script", scriptPath, "The script, a JSON file")->required();
  run->add_option("--svg", runArguments.svg, "Write the document as SVG")->type_name("FILE");
  AddPlayOptions(*run, runArguments);
  run->footer(std::string(kScriptSummary) + kFooter);

  PlayArguments demoArguments;
  demoArguments.module = defaultModule;
  demoArguments.svg = "kavro-demo.svg";
  bool printScript = false;
  CLI::App *demo = app.add_subcommand(
      "demo", "Draw a gallery of the tools, one captioned panel per stroke, into one SVG file");
  demo->add_option("svg", demoArguments.svg, "The SVG file to write")
      ->type_name("FILE")
      ->capture_default_str();
  demo->add_flag("--print-script", printScript,
                 "Print the gallery's script instead (a script for \"kavro run\")");
  AddPlayOptions(*demo, demoArguments);
  demo->footer(kFooter);

  std::string infoModule = defaultModule;
  CLI::App *info = app.add_subcommand(
      "info",
      "List the built-in symbols, the settings, the operations faults can target, "
      "and the module's tools");
  info->add_option("--module", infoModule, "The tool module to load")
      ->check(CLI::ExistingFile)
      ->capture_default_str();

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError &error) {
    if (error.get_exit_code() == 0) return app.exit(error);  // --help
    std::cerr << "kavro: " << error.what() << " (see kavro --help)\n";
    return kExitBadInput;
  }
  if (run->parsed()) return RunCommand(scriptPath, runArguments);
  if (demo->parsed()) return DemoCommand(demoArguments, printScript);
  return InfoCommand(infoModule);
}
