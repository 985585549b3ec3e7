#include "cli_app.h"

#include <array>
#include <string_view>
#include <vector>

#include "command_line.h"
#include "commands/convert_command.h"
#include "commands/lists_command.h"
#include "exit_status.h"

namespace quenchel {

namespace {

constexpr std::string_view kToolUsage =
    "Usage: quenchel-cli COMMAND [OPTIONS] FILE...\n"
    "Works on competition files (.FCR) without the window.\n"
    "\n"
    "Commands:\n"
    "  lists    print the settings and every record list of a competition file\n"
    "  convert  read a competition file and write it out again\n"
    "\n"
    "Options:\n"
    "  -h, --help  show this help\n"
    "\n"
    "Run 'quenchel-cli COMMAND --help' for the options of a command.\n";

constexpr std::string_view kListsUsage =
    "Usage: quenchel-cli lists [--old] FILE\n"
    "Prints the settings of a competition file, one 'NAME<TAB>VALUE' line each, then every\n"
    "record list: a '[ListName]' line with its three captions, and one line of 26 cells\n"
    "per record. TABs, backslashes and line breaks inside texts are written as \\t, \\\\,\n"
    "\\r and \\n.\n"
    "\n"
    "Options:\n"
    "  --old       read FILE in the old structure (records of 25 cell lines)\n"
    "  -h, --help  show this help\n";

constexpr std::string_view kConvertUsage =
    "Usage: quenchel-cli convert [--old] [--upgrade] IN OUT\n"
    "Reads the competition file IN and writes it to OUT with the program's own writer.\n"
    "\n"
    "Options:\n"
    "  --old       read IN in the old structure (records of 25 cell lines)\n"
    "  --upgrade   save a version \"1\" file in the newer structure (version \"2\")\n"
    "  -h, --help  show this help\n";

struct Command {
  std::string_view name;
  std::string_view usage;
  std::vector<std::string_view> options;
  std::size_t fileCount;
  int (*run)(const CommandArguments& args, std::ostream& out, std::ostream& err);
};

FileStructure StructureOf(const CommandArguments& args) {
  return args.Has("--old") ? FileStructure::Old : FileStructure::Current;
}

int RunLists(const CommandArguments& args, std::ostream& out, std::ostream& err) {
  return RunListsCommand({args.files[0], StructureOf(args)}, out, err);
}

int RunConvert(const CommandArguments& args, std::ostream& /*out*/, std::ostream& err) {
  return RunConvertCommand({args.files[0], args.files[1], StructureOf(args), args.Has("--upgrade")}, err);
}

const std::array<Command, 2>& Commands() {
  static const std::array<Command, 2> commands = {{
      {"lists", kListsUsage, {"--old"}, 1, RunLists},
      {"convert", kConvertUsage, {"--old", "--upgrade"}, 2, RunConvert},
  }};
  return commands;
}

const Command* FindCommand(std::string_view name) {
  for (const Command& command : Commands())
    if (command.name == name) return &command;
  return nullptr;
}

int UsageError(std::ostream& err, std::string_view context, std::string_view message, std::string_view usage) {
  err << context << ": " << message << '\n' << usage;
  return kExitUsage;
}

int RunCommand(const Command& command, std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const CommandArguments parsed = ParseCommandArguments(args, command.options, command.fileCount);
  if (parsed.help) {
    out << command.usage;
    return kExitSuccess;
  }
  if (!parsed.error.empty())
    return UsageError(err, "quenchel-cli " + std::string(command.name), parsed.error, command.usage);
  return command.run(parsed, out, err);
}

}  // namespace

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return UsageError(err, "quenchel-cli", "missing command", kToolUsage);
  const std::string& first = args.front();
  if (first == "--help" || first == "-h") {
    out << kToolUsage;
    return kExitSuccess;
  }
  if (first.size() > 1 && first.front() == '-')
    return UsageError(err, "quenchel-cli", "unknown option '" + first + "'", kToolUsage);
  const Command* command = FindCommand(first);
  if (command == nullptr) return UsageError(err, "quenchel-cli", "unknown command '" + first + "'", kToolUsage);
  return RunCommand(*command, args.subspan(1), out, err);
}

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return RunCli(args, out, err);
}

}  // namespace quenchel
