#include "pdf/print_lists_command.h"

#include <QImage>

#include "console_dialogs.h"
#include "exit_status.h"
#include "pdf/headless_gui.h"
#include "pdf/pdf_grid_printer.h"
#include "platform/clock.h"
#include "print/qpainter_surface.h"
#include "setup/score_class_form.h"

namespace quenchel {

namespace {

constexpr std::string_view kCommand = "quenchel-cli print-lists";

std::string ListNames() {
  std::string names;
  for (const ListId id : Competition::FileOrder()) {
    if (!names.empty()) names += ", ";
    names += Competition::ListName(id);
  }
  return names;
}

}  // namespace

std::optional<ListId> ListNamed(std::string_view name) {
  for (const ListId id : Competition::FileOrder())
    if (Competition::ListName(id) == name) return id;
  return std::nullopt;
}

int RunPrintListsCommand(const PrintListsRequest& request, std::ostream& err) {
  const std::optional<ListId> list = ListNamed(request.list);
  if (!list) {
    err << kCommand << ": unknown list '" << request.list << "' (one of " << ListNames() << ")\n";
    return kExitUsage;
  }

  ConsoleDialogs dialogs(err);
  Competition competition;
  if (!OpenCompetition(competition, request.file, request.structure, dialogs)) return kExitFailure;

  const HeadlessGui gui;
  // The printout measures its columns itself; the grid's own widths are the window's
  // business and are measured here on an image of the printer's resolution.
  QImage measured(1, 1, QImage::Format_Mono);
  measured.setDotsPerMeterX(qRound(kPdfResolution / 0.0254));
  measured.setDotsPerMeterY(qRound(kPdfResolution / 0.0254));
  const QPainterSurface measure(measured);
  ListInspection inspection;
  InspectList(competition.List(*list), inspection, measure);

  const SystemClock clock;
  const PdfPrintResult printed =
      PrintGridToPdf(competition, inspection.grid,
                     PrintHeadings{inspection.titles[0], inspection.titles[1], inspection.titles[2]}, request.pdf,
                     dialogs, clock);
  if (!printed.Ok()) {
    err << kCommand << ": " << printed.error << '\n';
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace quenchel
