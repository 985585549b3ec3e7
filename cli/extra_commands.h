#pragma once
// The commands quenchel-cli has besides its own: the PDF printer where the tool was built
// with Qt, none otherwise.

#include <span>

#include "cli_command.h"

namespace quenchel {

std::span<const CliCommand> ExtraCommands();

}  // namespace quenchel
