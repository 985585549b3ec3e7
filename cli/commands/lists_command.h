#pragma once
// `quenchel-cli lists FILE`: the header settings and every record list of a competition
// file as tab-separated text, for reading, comparing and scripting.

#include <ostream>
#include <string>

#include "commands/open_competition.h"

namespace quenchel {

class Competition;

struct ListsRequest {
  std::string file;
  FileStructure structure = FileStructure::Current;
};

// Prints the listing on `out`; on a read failure prints the messages on `err`, nothing on
// `out`, and answers kExitFailure.
int RunListsCommand(const ListsRequest& request, std::ostream& out, std::ostream& err);

// The listing: one "NAME<TAB>VALUE" line per header setting, then for each list in file
// order a "[ListName]" line with its three captions and one line of 26 cells per record.
void WriteCompetitionListing(const Competition& competition, std::ostream& out);

}  // namespace quenchel
