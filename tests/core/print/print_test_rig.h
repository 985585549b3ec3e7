#pragma once
// What the print tests share: a competition, the print state, the scripted platform parts,
// a 600 dpi A4 printer that records, and two page lists — a fixed page (to test the
// engine's arithmetic on a page of chosen size) and the real preview model.

#include <string>
#include <utility>
#include <vector>

#include "platform/clock.h"
#include "platform/scripted_platform.h"
#include "print/grid.h"
#include "print/page_list.h"
#include "print/print_context.h"
#include "print/print_preview_form.h"
#include "print/print_state.h"
#include "print/recording_surface.h"
#include "store/competition.h"

namespace quenchel::print_test {

// A page list whose page is always width × height, whatever the printer's page; it
// records what the renderer announced.
class FixedPageList final : public PageList {
 public:
  FixedPageList(PrintState& print, int width, int height) : print_(print), width_(width), height_(height) {}
  void SetPage(int width, int height) {
    width_ = width;
    height_ = height;
  }
  void PreviewPageSetup(int printerPageWidth, int printerPageHeight) override {
    setups.emplace_back(printerPageWidth, printerPageHeight);
    print_.PageWidth = width_;
    print_.PageHeight = height_;
  }
  void NewPageList() override {
    ++newLists;
    pages.clear();
  }
  void PageBegins(int page) override { pages.push_back(page); }

  std::vector<std::pair<int, int>> setups;
  int newLists = 0;
  std::vector<int> pages;

 private:
  PrintState& print_;
  int width_, height_;
};

struct Rig {
  Rig() {
    competition.state.ScreenResolution = 96;
    competition.state.CompetitionTitle = "Spring Show";
    print.PrintTitle = "Competitors";
    print.PrintSubTitle = "Sub";
    print.PrintTitleNote = "Note";
  }

  Competition competition;
  PrintState print;
  ScriptedDialogs dialogs;
  FakePrinting printing;  // installed, 600 dpi
  FixedClock clock{LocalDateTime{2026, 4, 18, 9, 5, 7}};
  RecordingSurface printer{4960, 7016, 600};
  FixedPageList fixedPages{print, 800, 1150};
  TPrintPreviewForm preview{competition, print, dialogs, printing};
  PrintContext fixed{competition, print, dialogs, printing, clock, fixedPages, printer};
  PrintContext previewed{competition, print, dialogs, printing, clock, preview, printer};
};

// At 8 points on a 96 pixels-per-inch surface: pxX = pxY = 11, lineH = 16, and a text of
// n bytes is trunc(16 n / 3) wide.
inline constexpr int kPx96 = 11;
inline constexpr int kLine96 = 16;
inline int Width96(int bytes) { return bytes * 16 / 3; }

// The text of data cell (column, row), `bytes` long: "r12c1....".
inline std::string CellText(int column, int row, int bytes) {
  std::string text = "r" + std::to_string(row) + "c" + std::to_string(column);
  text.resize(static_cast<std::size_t>(bytes), '.');
  return text;
}

// A grid of `columns` columns with headings "H0", "H1" ... and `dataRows` rows of
// `bytes`-byte cells.
inline Grid MakeGrid(int columns, int dataRows, int bytes) {
  Grid grid(columns, dataRows + 1);
  for (int c = 0; c < columns; ++c) {
    grid.SetCell(c, 0, "H" + std::to_string(c));
    for (int r = 1; r <= dataRows; ++r) grid.SetCell(c, r, CellText(c, r, bytes));
  }
  return grid;
}

}  // namespace quenchel::print_test
