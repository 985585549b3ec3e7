#pragma once
// The print state. The program owns one and hands it to every printout
// through a PrintContext; each test makes its own. Nothing here is global.

#include <string>

namespace quenchel {

struct PrintState {
  // True only while a print command sends output to the printer; it selects the pen
  // width of ruled lines and where the page size comes from.
  bool PrintToPrinter = false;
  // The current page in device units, set by the page set-up that opens every rendering:
  // the printer's page while printing, the preview's page surface otherwise.
  int PageWidth = 0;
  int PageHeight = 0;
  // Page heading lines 0, 2 and 4. Set by the command that prints; kept between
  // printouts.
  std::string PrintTitle;
  std::string PrintSubTitle;
  std::string PrintTitleNote;
  // The print job's title as the last rendering set it.
  std::string JobTitle;
};

}  // namespace quenchel
