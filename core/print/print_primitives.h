#pragma once
// The printing engine's primitives: the printer check, ruled lines and boxes,
// text at an angle, the metrics every page is measured in, and the time stamp.

#include <string>
#include <string_view>

#include "print/print_context.h"
#include "print/surface.h"

namespace quenchel {

class Dialogs;
class Printing;
struct LocalDateTime;

inline constexpr std::string_view kNoPrinterCaption = "No Printer";
inline constexpr std::string_view kNoPrinterText = "Printer Not Installed";
inline constexpr std::string_view kColumnTableCaption = "Memory Alocation";
inline constexpr std::string_view kColumnTableText = "Failed";

// False, after the box "No Printer" / "Printer Not Installed", when no printer can print.
bool PrinterInstalled(Printing& printing, Dialogs& dialogs);

// a × b / c rounded to the nearest integer, halves away from zero, without overflow in
// between (the platform multiply-divide the point sizes are scaled with); 0 when c is 0.
int MulDiv(int a, int b, int c) noexcept;

// The C library's decimal conversion of a font size text: leading blanks, a sign and
// digits; "8" is 8, "12pt" is 12, an empty or non-numeric text is 0.
int LeadingInteger(std::string_view text) noexcept;

// The size of the printed font, S: PrintFontSize read with LeadingInteger.
int PrintFontPoints(const PrintContext& context);

// The measures of one rendering on one surface.
struct PrintMetrics {
  int size = 0;   // S, points
  int pxX = 0;    // S points across, in device units
  int pxY = 0;    // S points down
  int lineH = 0;  // trunc(1.5 × pxY): every vertical distance is a whole number of these
};

// Sets the surface's font to PrintFontName at size S, plain, and measures the rendering.
PrintMetrics SetPrintFont(const PrintContext& context, Surface& surface);
// The printed font at size S + sizeChange with the given style.
void SetPrintFontStyle(const PrintContext& context, Surface& surface, int sizeChange, bool bold, bool italic);

// The pen width of ruled lines: PrinterResolution / 100 + 1 while printing, else
// ScreenResolution / 100 + 1 (96 pixels per inch give 1, 600 dots per inch 7).
int RuleWidth(const PrintContext& context) noexcept;

// A straight line in the given colour (the surface keeps no pen colour to read back, so
// callers that rule in colour say which) at the rule width.
void DrawLine(const PrintContext& context, int x1, int y1, int x2, int y2, Surface& surface, Rgb colour = {});
// The closed outline (x1,y1) → (x2,y1) → (x2,y2) → (x1,y2) → (x1,y1) in black.
void DrawBox(const PrintContext& context, Surface& surface, int x1, int y1, int x2, int y2);
// Text in the surface's font turned by `angle` degrees. The surface draws text without a
// background from then on.
void TextOutAngle(Surface& surface, int x, int y, int angle, std::string_view text);

// x at which the text stands centred on the page: PageWidth / 2 − width / 2.
int CentredX(const PrintContext& context, const Surface& surface, std::string_view text);

// "%2d:%02d:%02d  %02d/%02d/%4d": hour, minute, second, two blanks, day, month, year.
std::string PrintTimeStamp(const LocalDateTime& when);

}  // namespace quenchel
