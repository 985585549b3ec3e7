#pragma once
// What the logic needs to know of the printers.

namespace quenchel {

enum class PageOrientation { Portrait, Landscape };

class Printing {
 public:
  virtual ~Printing() = default;
  // True when some printer can print (printing to a PDF file counts).
  virtual bool HasPrinter() const = 0;
  // Pixels per inch of the default printer; 0 when there is none.
  virtual int PrinterResolution() const = 0;
  // The platform's printer set-up dialog.
  virtual void ShowPrinterSetup() = 0;
  // Turns the printer's page before a document is begun (the schedule prints portrait,
  // the judges' sheet landscape). Where a platform cannot turn pages it stays as it is.
  virtual void SetOrientation(PageOrientation /*orientation*/) {}
};

}  // namespace quenchel
