#pragma once
// One command of quenchel-cli: its name, its help, the options it knows and what it runs.
// The tool's own commands are in cli_app.cpp; commands that need more than core (the
// PDF printer needs Qt) come from extra_commands.h.

#include <cstddef>
#include <ostream>
#include <string_view>
#include <vector>

#include "command_line.h"

namespace quenchel {

struct CliCommand {
  std::string_view name;
  std::string_view summary;  // one line in the tool's help
  std::string_view usage;    // the command's own help
  std::vector<std::string_view> options;
  std::vector<std::string_view> valueOptions;  // options followed by a value
  std::size_t fileCount;
  int (*run)(const CommandArguments& args, std::ostream& out, std::ostream& err);
};

}  // namespace quenchel
