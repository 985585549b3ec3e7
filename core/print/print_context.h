#pragma once
// Everything a printout needs besides its content: the competition (fonts, titles,
// resolutions, round records), the print state, the platform's boxes, printers and clock,
// the preview's page list, and the printer's page. The program builds one; tests build
// their own.

namespace quenchel {

class Clock;
class Competition;
class Dialogs;
class PageList;
class Printing;
class Surface;
struct PrintState;

struct PrintContext {
  Competition& competition;
  PrintState& print;
  Dialogs& dialogs;
  Printing& printing;
  const Clock& clock;
  PageList& pages;
  // The printer's page, for its size and resolution at any time and for drawing while
  // a document is open (between BeginDocument and EndDocument).
  Surface& printer;
};

}  // namespace quenchel
