#pragma once
// Plugs the engine's own printouts into the print preview: the generic grid layout under
// a caption (the competitor list uses "Competitors") and the schedule ("Schedule").
// Later printouts (report, labels, judges' sheet) register themselves the same way.

#include <functional>
#include <string_view>

#include "print/print_context.h"
#include "print/print_preview_form.h"
#include "print/schedule_pages.h"

namespace quenchel {

class Grid;
class PrintDialog;

// The preview of `caption` draws the grid with PrintGridPages; its Print button runs
// `print` (the owning window's print command).
void RegisterGridPrintout(TPrintPreviewForm& preview, const PrintContext& context, std::string_view caption,
                          const Grid& grid, TPrintPreviewForm::PrintCommand print);

// "Schedule": draws the PlaceTable with PrintSchedulePages, the captions read from the
// schedule form's boxes at every rendering; Print offers one copy, all pages, pages 1 to
// the preview's page count, and runs PrintSchedule.
void RegisterSchedulePrintout(TPrintPreviewForm& preview, const PrintContext& context, PrintDialog& dialog,
                              const Grid& placeTable, std::function<ScheduleCaptions()> captions);

}  // namespace quenchel
