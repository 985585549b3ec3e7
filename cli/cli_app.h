#pragma once
// quenchel-cli as a function: the arguments in, the two output streams and the exit
// status out, so that tests run every command in-process.

#include <ostream>
#include <span>
#include <string>

#include "cli_command.h"

namespace quenchel {

// `args` are the arguments after the program name; `extraCommands` are offered besides
// the tool's own (extra_commands.h).
int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err,
           std::span<const CliCommand> extraCommands = {});

// argv[0] is the program name, as main receives it.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           std::span<const CliCommand> extraCommands = {});

}  // namespace quenchel
