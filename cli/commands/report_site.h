#pragma once
// `quenchel-cli report FILE --all --html-dir DIR`: the show's results site in one
// command: the web page of every trusted report, named after the report, and an
// index.html that links them.

#include <ostream>
#include <string>

namespace quenchel {

class Clock;
class Dialogs;

struct ReportSiteRequest {
  std::string file;
  std::string folder;  // made when missing
};

// Writes the pages and the index. A report that is not trusted, or that would leave out
// a competitor without a team, is left out after its message and a note on `err`; the
// others and the index are still written, and the answer is kExitFailure so that a
// script notices the incomplete site. kExitFailure too when the file cannot be read,
// has no reports (nothing is written then) or a page cannot be written.
int RunReportSiteCommand(const ReportSiteRequest& request, std::ostream& err, Dialogs& dialogs, const Clock& clock);

}  // namespace quenchel
