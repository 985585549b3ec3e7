// quenchel-cli built without Qt: no commands besides its own.

#include "extra_commands.h"

namespace quenchel {

std::span<const CliCommand> ExtraCommands() { return {}; }

}  // namespace quenchel
