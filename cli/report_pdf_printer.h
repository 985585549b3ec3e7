#pragma once
// Printing a report to a PDF file needs Qt's painter, which the tool's own commands do
// without. The build with PDF printing hands `report` a printer of this type (see
// pdf/pdf_commands.cpp); elsewhere there is none and `report --pdf` says so.

#include <string>

namespace quenchel {

class Clock;
class Competition;
class Dialogs;
class DSNode;
class Grid;

struct ReportPdfJob {
  Competition& competition;
  const DSNode& report;  // the ReportList record
  const Grid& table;     // as the report window shows it
  const std::string& pdfFile;
  Dialogs& dialogs;
  const Clock& clock;  // the printing time in every page's footer
};

// Prints every page of the report; answers why nothing was written, or empty when the
// file is written.
using ReportPdfPrinter = std::string (*)(const ReportPdfJob& job);

}  // namespace quenchel
