#pragma once
// `quenchel-cli convert IN OUT`: reads a competition file and writes it again with the
// program's own writer, which normalises it and can move it to the newer structure.

#include <ostream>
#include <string>

#include "commands/open_competition.h"

namespace quenchel {

struct ConvertRequest {
  std::string input;
  std::string output;
  FileStructure structure = FileStructure::Current;
  // Answers Yes when the writer offers to save a version "1" file in the newer structure.
  bool upgrade = false;
};

// Messages go to `err`. Answers kExitFailure when IN cannot be read (OUT is not touched)
// or OUT cannot be written (any earlier OUT is left as it was).
int RunConvertCommand(const ConvertRequest& request, std::ostream& err);

}  // namespace quenchel
