#pragma once
// Prints a grid with the generic grid layout into a PDF file: A4 portrait at 600 dots
// per inch, every page of the printout on its own sheet, as the printer would print it.

#include <string>

#include "print/grid_pages.h"

namespace quenchel {

class Clock;
class Competition;
class Dialogs;
class Grid;

inline constexpr int kPdfResolution = 600;

struct PdfPrintResult {
  std::string error;  // why nothing was written; empty when the file is written
  bool Ok() const noexcept { return error.empty(); }
};

// Needs a QGuiApplication (HeadlessGui). The heading lines are the printout's; the
// competition gives the competition title and the print font. A file that could not be
// written completely is removed.
PdfPrintResult PrintGridToPdf(Competition& competition, const Grid& grid, const PrintHeadings& headings,
                              const std::string& pdfFile, Dialogs& dialogs, const Clock& clock);

}  // namespace quenchel
