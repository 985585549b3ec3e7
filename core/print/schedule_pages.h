#pragma once
// The schedule layout: the schedule form's PlaceTable printed in
// round blocks, and the schedule's print command.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/print_dialog.h"
#include "print/print_context.h"

namespace quenchel {

class Grid;
class Surface;

// The schedule form's two display boxes, which decide the striker and team captions of
// each round heading.
struct ScheduleCaptions {
  bool showStrikers = false;
  bool showTeams = false;
};

// colX of the schedule layout: colX[1] = pxX, colX[c] = colX[c − 1] + w[c − 1] + pxX for c
// from 2 to ColCount; colX[0] is 0 (column 0 is not printed). Nothing for a grid of fewer
// than the eight columns the layout prints from (0 to 7).
std::optional<std::vector<int>> ScheduleColumnPositions(const Grid& grid, const Surface& surface, int pxX);

// "dddd dd mmmm yyyy" in English ("Saturday 18 April 2026") of a text that begins
// "dd/mm/yyyy" (a time may follow); empty when it holds no real date.
std::string RoundDateText(std::string_view dateTime);
// Finish − start of two "hh:mm" texts as "h:nn", cut to four characters: "1:30", and
// "10:3" for ten and a half hours. A finish before the start counts the hours between.
std::string RoundDurationText(std::string_view start, std::string_view finish);

// The heading of round n above place row `row`: the round line one lineH above y (round
// number, date, times), the caption row at y and its double frame. Draws only when page
// equals wanted; returns y.
int RoundHeading(const PrintContext& context, const Grid& grid, Surface& surface, int wanted, int row, int y,
                 std::span<const int> colX, int n, int page, ScheduleCaptions captions);

// The change-over text of round n of the class (RoundList cell 5, two blanks after it),
// bold and centred at y + lineH, when page equals wanted and the round has a record.
void RoundBreakText(const PrintContext& context, Surface& surface, int n, int classNo, int y, int page, int wanted);

// Lays the PlaceTable out from page 1 and draws page `wanted` (from 1).
void PrintSchedulePages(const PrintContext& context, const Grid& placeTable, Surface& surface, int wanted,
                        ScheduleCaptions captions);

// The schedule's print command: the print dialog with page numbers, pages first to last
// and highest as the greatest page (copies and the selected choice from `base`); on
// confirmation every chosen page in portrait on the printer, a new sheet between pages.
// PrintToPrinter is false afterwards in every case.
void PrintSchedule(const PrintContext& context, PrintDialog& dialog, const Grid& placeTable, ScheduleCaptions captions,
                   int first, int last, int highest, PrintRequest base = {});

}  // namespace quenchel
