#pragma once
// `quenchel-cli print-lists FILE --pdf OUT [--list NAME]`: one list of a competition file
// as the list inspection view shows it (record links and all 26 cells, under the list's
// three titles), printed to a PDF file.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "commands/open_competition.h"
#include "store/competition.h"

namespace quenchel {

struct PrintListsRequest {
  std::string file;
  std::string pdf;
  std::string list = "CompetitorList";
  FileStructure structure = FileStructure::Current;
};

// The list of that name, as `lists` names them ("CompetitorList", "ClassList" ...).
std::optional<ListId> ListNamed(std::string_view name);

// Writes the PDF file. A list name that names no list is a usage error (kExitUsage); a
// file that cannot be read or a PDF that cannot be written fails with kExitFailure and
// the reason on `err`. On success prints nothing.
int RunPrintListsCommand(const PrintListsRequest& request, std::ostream& err);

}  // namespace quenchel
