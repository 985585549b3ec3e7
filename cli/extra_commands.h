#pragma once
// The commands quenchel-cli has besides its own: the PDF printer where the tool was built
// with Qt, none otherwise. An extra command named like one of the tool's own takes its
// place (`report`, which can then print to PDF files).

#include <span>

#include "cli_command.h"

namespace quenchel {

std::span<const CliCommand> ExtraCommands();

}  // namespace quenchel
