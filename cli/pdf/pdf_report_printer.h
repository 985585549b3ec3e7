#pragma once
// Prints a report's results table into a PDF file as the report's print command prints
// every page: the report's page orientation, each page on its own sheet.

#include <string>

#include "pdf/pdf_grid_printer.h"

namespace quenchel {

class Clock;
class Competition;
class Dialogs;
struct ReportPrintout;

// Needs a QGuiApplication (HeadlessGui). Portrait when the report asks for it ("P"),
// landscape otherwise. A report that gives no page (too many columns, after its
// message) writes no file; a file that could not be written completely is removed.
PdfPrintResult PrintReportToPdf(Competition& competition, const ReportPrintout& printout,
                                const std::string& pdfFile, Dialogs& dialogs, const Clock& clock);

}  // namespace quenchel
