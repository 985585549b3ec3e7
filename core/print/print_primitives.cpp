#include "print/print_primitives.h"

#include <array>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/printing.h"
#include "print/print_state.h"
#include "store/competition.h"

namespace quenchel {

bool PrinterInstalled(Printing& printing, Dialogs& dialogs) {
  if (printing.HasPrinter()) return true;
  dialogs.ShowInfo(kNoPrinterCaption, kNoPrinterText);
  return false;
}

int MulDiv(int a, int b, int c) noexcept {
  if (c == 0) return 0;
  const long long product = static_cast<long long>(a) * b;
  const long long divisor = c;
  const bool negative = (product < 0) != (divisor < 0);
  const long long magnitude = (std::llabs(product) + std::llabs(divisor) / 2) / std::llabs(divisor);
  const long long result = negative ? -magnitude : magnitude;
  if (result > INT_MAX) return INT_MAX;
  if (result < INT_MIN) return INT_MIN;
  return static_cast<int>(result);
}

int LeadingInteger(std::string_view text) noexcept {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) {
      value = static_cast<long long>(INT_MAX) + (negative ? 1 : 0);
      break;
    }
  }
  return static_cast<int>(negative ? -value : value);
}

int PrintFontPoints(const PrintContext& context) { return LeadingInteger(context.competition.settings.PrintFontSize); }

PrintMetrics SetPrintFont(const PrintContext& context, Surface& surface) {
  PrintMetrics metrics;
  metrics.size = PrintFontPoints(context);
  surface.SetFont(SurfaceFont{context.competition.settings.PrintFontName, metrics.size, false, false, false});
  metrics.pxX = std::abs(MulDiv(metrics.size, surface.PixelsPerInchX(), 72));
  metrics.pxY = std::abs(MulDiv(metrics.size, surface.PixelsPerInchY(), 72));
  metrics.lineH = static_cast<int>(metrics.pxY * 1.5);
  return metrics;
}

void SetPrintFontStyle(const PrintContext& context, Surface& surface, int sizeChange, bool bold, bool italic) {
  surface.SetFont(SurfaceFont{context.competition.settings.PrintFontName, PrintFontPoints(context) + sizeChange, bold,
                              italic, false});
}

int RuleWidth(const PrintContext& context) noexcept {
  const AppState& state = context.competition.state;
  return (context.print.PrintToPrinter ? state.PrinterResolution : state.ScreenResolution) / 100 + 1;
}

void DrawLine(const PrintContext& context, int x1, int y1, int x2, int y2, Surface& surface, Rgb colour) {
  surface.SetPen(colour, RuleWidth(context));
  surface.Line(x1, y1, x2, y2);
}

void DrawBox(const PrintContext& context, Surface& surface, int x1, int y1, int x2, int y2) {
  surface.SetPen(Rgb{}, RuleWidth(context));
  surface.Polyline({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}});
}

void TextOutAngle(Surface& surface, int x, int y, int angle, std::string_view text) {
  surface.SetTransparentText();
  surface.TextOut(x, y, text, angle);
}

int CentredX(const PrintContext& context, const Surface& surface, std::string_view text) {
  return context.print.PageWidth / 2 - surface.TextWidth(text) / 2;
}

std::string PrintTimeStamp(const LocalDateTime& when) {
  std::array<char, 64> text{};
  std::snprintf(text.data(), text.size(), "%2d:%02d:%02d  %02d/%02d/%4d", when.hour, when.minute, when.second, when.day,
                when.month, when.year);
  return text.data();
}

}  // namespace quenchel
