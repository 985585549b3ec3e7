#pragma once
// What every page renderer tells the print preview, whether it draws for the
// preview or for the printer: the printer's page size and where each page begins. The
// preview model implements it; the preview learns its page count from these calls.

namespace quenchel {

class PageList {
 public:
  virtual ~PageList() = default;
  // Sizes the preview's page surface to the printer page and sets the print state's
  // PageWidth and PageHeight.
  virtual void PreviewPageSetup(int printerPageWidth, int printerPageHeight) = 0;
  // A rendering begins: no pages yet.
  virtual void NewPageList() = 0;
  // Page `page` (from 1) begins.
  virtual void PageBegins(int page) = 0;
};

}  // namespace quenchel
