#include "print/schedule_pages.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/dialogs.h"
#include "platform/printing.h"
#include "print/grid.h"
#include "print/layout_only_surface.h"
#include "print/page_list.h"
#include "print/page_parts.h"
#include "print/print_primitives.h"
#include "print/print_state.h"
#include "store/competition.h"
#include "store/time_values.h"

namespace quenchel {

namespace {

// PlaceTable columns.
constexpr int kRoundColumn = 1;
constexpr int kFireColumn = 2;
constexpr int kFootColumn = 3;
constexpr int kNumberColumn = 4;
constexpr int kCompetitorColumn = 5;
constexpr int kStrikerColumn = 6;
constexpr int kTeamColumn = 7;
constexpr int kStartColumn = 8;
constexpr int kFinishColumn = 9;
constexpr int kDateColumn = 10;
constexpr int kPrintedColumns = kTeamColumn + 1;

// Class cells.
constexpr int kForgesCell = 4;
constexpr int kPerFireCell = 13;
// RoundList cells.
constexpr int kBreakTextCell = 5;

int At(std::span<const int> colX, int c) {
  return static_cast<std::size_t>(c) < colX.size() ? colX[static_cast<std::size_t>(c)] : 0;
}

// Reads up to `most` digits at `i`; nothing when there are none.
std::optional<int> Digits(std::string_view text, std::size_t& i, std::size_t most) {
  int value = 0;
  std::size_t count = 0;
  while (i < text.size() && count < most && text[i] >= '0' && text[i] <= '9') {
    value = value * 10 + (text[i++] - '0');
    ++count;
  }
  if (count == 0) return std::nullopt;
  return value;
}

std::optional<std::chrono::year_month_day> ParseDayMonthYear(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  const std::optional<int> day = Digits(text, i, 2);
  if (!day || i >= text.size() || text[i++] != '/') return std::nullopt;
  const std::optional<int> month = Digits(text, i, 2);
  if (!month || i >= text.size() || text[i++] != '/') return std::nullopt;
  const std::optional<int> year = Digits(text, i, 4);
  if (!year) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year(*year), std::chrono::month(static_cast<unsigned>(*month)),
                                         std::chrono::day(static_cast<unsigned>(*day))};
  if (!date.ok()) return std::nullopt;
  return date;
}

struct ClassShape {
  int forges = 0;   // F
  int perFire = 0;  // N
};

ClassShape ActiveClassShape(const Competition& competition) {
  const DSNode* record = competition.ClassList.FindKey(std::to_string(competition.state.ActiveClass));
  if (record == nullptr) return {};
  return {LeadingInteger(record->Cell(kForgesCell)), LeadingInteger(record->Cell(kPerFireCell))};
}

}  // namespace

std::optional<std::vector<int>> ScheduleColumnPositions(const Grid& grid, const Surface& surface, int pxX) {
  const int columns = grid.ColCount();
  if (columns < kPrintedColumns) return std::nullopt;
  std::vector<int> colX(static_cast<std::size_t>(columns) + 1, 0);
  colX[1] = pxX;
  for (int c = 2; c <= columns; ++c) {
    int widest = 0;
    for (int r = 0; r < grid.RowCount(); ++r) widest = std::max(widest, surface.TextWidth(grid.Cell(c - 1, r)));
    colX[static_cast<std::size_t>(c)] = colX[static_cast<std::size_t>(c) - 1] + widest + pxX;
  }
  return colX;
}

std::string RoundDateText(std::string_view dateTime) {
  const std::optional<std::chrono::year_month_day> date = ParseDayMonthYear(dateTime);
  if (!date) return {};
  static constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                          "May",       "June",     "July",     "August",
                                                          "September", "October",  "November", "December"};
  std::array<char, 64> text{};
  std::snprintf(text.data(), text.size(), "%s %02u %s %04d", DayName(*date).c_str(), static_cast<unsigned>(date->day()),
                kMonths[static_cast<unsigned>(date->month()) - 1], static_cast<int>(date->year()));
  return text.data();
}

std::string RoundDurationText(std::string_view start, std::string_view finish) {
  const int minutes = std::abs(ClockMinutes(finish) - ClockMinutes(start));
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%d:%02d", minutes / 60, minutes % 60);
  return std::string(text.data()).substr(0, 4);
}

int RoundHeading(const PrintContext& context, const Grid& grid, Surface& surface, int wanted, int row, int y,
                 std::span<const int> colX, int n, int page, ScheduleCaptions captions) {
  if (page != wanted) return y;
  const int lineH = SetPrintFont(context, surface).lineH;
  const int width = surface.Width();

  SetPrintFontStyle(context, surface, 0, true, false);
  TextOutAngle(surface, At(colX, 1), y - lineH, 0, "Round : " + std::to_string(n));
  const std::string date = RoundDateText(grid.Cell(kDateColumn, row));
  TextOutAngle(surface, CentredX(context, surface, date), y - lineH, 0, date);
  const std::string_view start = grid.Cell(kStartColumn, row);
  const std::string_view finish = grid.Cell(kFinishColumn, row);
  const std::string times = "Start : " + std::string(start) + "  End : " + std::string(finish) + " ( " +
                            RoundDurationText(start, finish) + " )";
  TextOutAngle(surface, width - 10 - surface.TextWidth(times), y - lineH, 0, times);

  TextOutAngle(surface, At(colX, kFireColumn), y, 0, grid.Cell(kFireColumn, 0));
  TextOutAngle(surface, At(colX, kFootColumn), y, 0, grid.Cell(kFootColumn, 0));
  TextOutAngle(surface, At(colX, kNumberColumn), y, 0, grid.Cell(kCompetitorColumn, 0));
  if (captions.showTeams) TextOutAngle(surface, At(colX, kTeamColumn), y, 0, grid.Cell(kTeamColumn, 0));
  if (captions.showStrikers) TextOutAngle(surface, At(colX, kStrikerColumn), y, 0, grid.Cell(kStrikerColumn, 0));

  SetPrintFontStyle(context, surface, 0, false, false);
  DrawBox(context, surface, 10, y, width - 10, static_cast<int>(y + 0.8 * lineH));
  DrawBox(context, surface, 9, y - 1, width - 9, static_cast<int>(y + 0.8 * lineH + 1));
  return y;
}

void RoundBreakText(const PrintContext& context, Surface& surface, int n, int classNo, int y, int page, int wanted) {
  const DSNode* round = context.competition.RoundList.FindKey2(std::to_string(classNo), std::to_string(n));
  if (round == nullptr || page != wanted) return;
  const int lineH = SetPrintFont(context, surface).lineH;
  SetPrintFontStyle(context, surface, 0, true, false);
  const std::string text = std::string(round->Cell(kBreakTextCell)) + "  ";
  TextOutAngle(surface, CentredX(context, surface, text), y + lineH, 0, text);
  SetPrintFontStyle(context, surface, 0, false, false);
}

void PrintSchedulePages(const PrintContext& context, const Grid& placeTable, Surface& surface, int wanted,
                        ScheduleCaptions captions) {
  context.print.JobTitle = context.print.PrintTitle;
  context.pages.PreviewPageSetup(context.printer.Width(), context.printer.Height());
  context.pages.NewPageList();
  const PrintMetrics metrics = SetPrintFont(context, surface);
  const int lineH = metrics.lineH;
  const ClassShape shape = ActiveClassShape(context.competition);
  const int placesPerRound = shape.forges * shape.perFire;
  const int roundBlock = (placesPerRound + 2) * lineH;

  const std::optional<std::vector<int>> columns = ScheduleColumnPositions(placeTable, surface, metrics.pxX);
  if (!columns) {
    context.dialogs.ShowInfo(kColumnTableCaption, kColumnTableText);
    return;
  }
  const std::vector<int>& colX = *columns;

  LayoutOnlySurface layoutOnly(surface);
  int page = 0;
  bool newPage = true;
  bool newRound = true;
  int y = 0;
  int limit = 0;
  int fireBlock = 0;
  const auto target = [&]() -> Surface& { return page == wanted ? surface : layoutOnly; };

  for (int r = 1; r < placeTable.RowCount(); ++r) {
    if (newPage) {
      ++page;
      context.pages.PageBegins(page);
      y = PageHeading(context, target(), page);
      // The footer carries the wanted page's number: it is drawn only on that page.
      limit = PageFooter(context, target(), wanted);
      newPage = false;
    }
    if (newRound) {
      const int n = LeadingInteger(placeTable.Cell(kRoundColumn, r));
      y += 4 * lineH;
      y = RoundHeading(context, placeTable, surface, wanted, r, y, colX, n, page, captions) + lineH;
      RoundBreakText(context, surface, n, context.competition.state.ActiveClass, y + placesPerRound * lineH, page,
                     wanted);
      newRound = false;
    }
    fireBlock += lineH;
    if (page == wanted) {
      for (int c = kFireColumn; c <= kTeamColumn; ++c)
        TextOutAngle(surface, colX[static_cast<std::size_t>(c)], y + lineH / 4, 0, placeTable.Cell(c, r));
    }
    y += lineH;
    // A new fire starts on the next row: it goes to a new page when the fire just finished
    // would not have fitted below.
    if (!placeTable.Cell(kFireColumn, r + 1).empty()) {
      if (y + fireBlock > limit) newPage = newRound = true;
      fireBlock = 0;
    }
    // A new round starts on the next row: on a new page when its whole block would not fit.
    if (placeTable.Cell(kRoundColumn, r + 1) != placeTable.Cell(kRoundColumn, r)) {
      if (y + roundBlock + 2 * lineH > limit) newPage = true;
      newRound = true;
    }
  }
}

void PrintSchedule(const PrintContext& context, PrintDialog& dialog, const Grid& placeTable, ScheduleCaptions captions,
                   int first, int last, int highest, PrintRequest base) {
  if (!PrinterInstalled(context.printing, context.dialogs)) return;
  PrintRequest request = base;
  request.pageNumbersEnabled = true;
  request.fromPage = first;
  request.toPage = last;
  request.maxPage = highest;
  if (const std::optional<PrintRange> chosen = dialog.Ask(request)) {
    context.print.PrintToPrinter = true;
    context.printing.SetOrientation(PageOrientation::Portrait);
    context.printer.BeginDocument(context.print.PrintTitle);
    for (int p = chosen->fromPage; p <= chosen->toPage; ++p) {
      PrintSchedulePages(context, placeTable, context.printer, p, captions);
      if (p < chosen->toPage) context.printer.NewSheet();
    }
    context.printer.EndDocument();
  }
  context.print.PrintToPrinter = false;
}

}  // namespace quenchel
