#pragma once
// What the logic needs to know of the printers.

namespace quenchel {

class Printing {
 public:
  virtual ~Printing() = default;
  // True when some printer can print (printing to a PDF file counts).
  virtual bool HasPrinter() const = 0;
  // Pixels per inch of the default printer; 0 when there is none.
  virtual int PrinterResolution() const = 0;
  // The platform's printer set-up dialog.
  virtual void ShowPrinterSetup() = 0;
};

}  // namespace quenchel
