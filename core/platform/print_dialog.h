#pragma once
// The platform's print dialog: how many copies and which pages. The window program shows
// QPrintDialog on its one printer; tests script the answers.

#include <optional>

namespace quenchel {

// Which pages the user chose.
enum class PrintPages { All, Range, Selection };

// What the dialog offers.
struct PrintRequest {
  int copies = 1;
  // The user may pick a page range; without it only "all pages" can be chosen.
  bool pageNumbersEnabled = false;
  int fromPage = 0;  // the range the dialog shows first
  int toPage = 0;
  int minPage = 1;  // the limits of any range the user may type
  int maxPage = 0;
  PrintPages pages = PrintPages::All;  // the choice selected when the dialog opens
  bool operator==(const PrintRequest&) const = default;
};

// What the user confirmed. With "all pages" the range still holds the offered limits
// (fromPage..toPage as offered), so a caller can always loop from fromPage to toPage.
struct PrintRange {
  int copies = 1;
  PrintPages pages = PrintPages::All;
  int fromPage = 0;
  int toPage = 0;
  bool operator==(const PrintRange&) const = default;
};

class PrintDialog {
 public:
  virtual ~PrintDialog() = default;
  // Shows the dialog; nothing when it is cancelled.
  virtual std::optional<PrintRange> Ask(const PrintRequest& request) = 0;
};

}  // namespace quenchel
