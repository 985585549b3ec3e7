#include "cli_app.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cli_command.h"
#include "command_line.h"
#include "commands/convert_command.h"
#include "commands/lists_command.h"
#include "commands/report_command.h"
#include "exit_status.h"

namespace quenchel {

namespace {

constexpr std::string_view kToolUsageHead =
    "Usage: quenchel-cli COMMAND [OPTIONS] FILE...\n"
    "Works on competition files (.FCR) without the window.\n"
    "\n"
    "Commands:\n";

constexpr std::string_view kToolUsageTail =
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

FileStructure StructureOf(const CommandArguments& args) {
  return args.Has("--old") ? FileStructure::Old : FileStructure::Current;
}

int RunLists(const CommandArguments& args, std::ostream& out, std::ostream& err) {
  return RunListsCommand({args.files[0], StructureOf(args)}, out, err);
}

int RunConvert(const CommandArguments& args, std::ostream& /*out*/, std::ostream& err) {
  return RunConvertCommand({args.files[0], args.files[1], StructureOf(args), args.Has("--upgrade")}, err);
}

const std::array<CliCommand, 3>& OwnCommands() {
  static const std::array<CliCommand, 3> commands = {{
      {"lists", "print the settings and every record list of a competition file", kListsUsage, {"--old"}, {}, 1,
       RunLists},
      {"convert", "read a competition file and write it out again", kConvertUsage, {"--old", "--upgrade"}, {}, 2,
       RunConvert},
      OwnReportCliCommand(),
  }};
  return commands;
}

// The tool's commands, then the extra ones. An extra command with the name of one of the
// tool's own takes its place: the build with Qt offers the fuller `report` that can print
// to PDF files.
class CommandTable {
 public:
  explicit CommandTable(std::span<const CliCommand> extra) {
    for (const CliCommand& command : OwnCommands()) all_.push_back(&command);
    for (const CliCommand& command : extra) {
      const auto same = std::find_if(all_.begin(), all_.end(),
                                     [&command](const CliCommand* own) { return own->name == command.name; });
      if (same != all_.end())
        *same = &command;
      else
        all_.push_back(&command);
    }
  }

  const CliCommand* Find(std::string_view name) const {
    const auto found = std::find_if(all_.begin(), all_.end(), [name](const CliCommand* c) { return c->name == name; });
    return found == all_.end() ? nullptr : *found;
  }

  // The tool's help: one line per command, the summaries aligned.
  std::string Usage() const {
    std::size_t widest = 0;
    for (const CliCommand* command : all_) widest = std::max(widest, command->name.size());
    std::string usage(kToolUsageHead);
    for (const CliCommand* command : all_) {
      usage += "  " + std::string(command->name) + std::string(widest - command->name.size() + 2, ' ');
      usage += std::string(command->summary) + '\n';
    }
    return usage + std::string(kToolUsageTail);
  }

 private:
  std::vector<const CliCommand*> all_;
};

int UsageError(std::ostream& err, std::string_view context, std::string_view message, std::string_view usage) {
  err << context << ": " << message << '\n' << usage;
  return kExitUsage;
}

int RunCommand(const CliCommand& command, std::span<const std::string> args, std::ostream& out,
               std::ostream& err) {
  const CommandArguments parsed =
      ParseCommandArguments(args, command.options, command.fileCount, command.valueOptions);
  if (parsed.help) {
    out << command.usage;
    return kExitSuccess;
  }
  if (!parsed.error.empty())
    return UsageError(err, "quenchel-cli " + std::string(command.name), parsed.error, command.usage);
  return command.run(parsed, out, err);
}

}  // namespace

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err,
           std::span<const CliCommand> extraCommands) {
  const CommandTable commands(extraCommands);
  if (args.empty()) return UsageError(err, "quenchel-cli", "missing command", commands.Usage());
  const std::string& first = args.front();
  if (first == "--help" || first == "-h") {
    out << commands.Usage();
    return kExitSuccess;
  }
  if (first.size() > 1 && first.front() == '-')
    return UsageError(err, "quenchel-cli", "unknown option '" + first + "'", commands.Usage());
  const CliCommand* command = commands.Find(first);
  if (command == nullptr)
    return UsageError(err, "quenchel-cli", "unknown command '" + first + "'", commands.Usage());
  return RunCommand(*command, args.subspan(1), out, err);
}

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           std::span<const CliCommand> extraCommands) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return RunCli(args, out, err, extraCommands);
}

}  // namespace quenchel
