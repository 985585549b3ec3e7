#include "print/printouts.h"

#include <utility>

#include "print/grid_pages.h"

namespace quenchel {

void RegisterGridPrintout(TPrintPreviewForm& preview, const PrintContext& context, std::string_view caption,
                          const Grid& grid, TPrintPreviewForm::PrintCommand print) {
  preview.RegisterPrintout(
      caption, [context, &grid](Surface& surface, int wanted) { PrintGridPages(context, grid, surface, wanted); },
      std::move(print));
}

void RegisterSchedulePrintout(TPrintPreviewForm& preview, const PrintContext& context, PrintDialog& dialog,
                              const Grid& placeTable, std::function<ScheduleCaptions()> captions) {
  const auto shown = [captions] { return captions ? captions() : ScheduleCaptions{}; };
  preview.RegisterPrintout(
      TPrintPreviewForm::kSchedule,
      [context, &placeTable, shown](Surface& surface, int wanted) {
        PrintSchedulePages(context, placeTable, surface, wanted, shown());
      },
      [context, &dialog, &placeTable, shown, &preview] {
        PrintRequest oneCopyAllPages;
        oneCopyAllPages.copies = 1;
        oneCopyAllPages.pages = PrintPages::All;
        const int pages = preview.PageCount();
        PrintSchedule(context, dialog, placeTable, shown(), 1, pages, pages, oneCopyAllPages);
      });
}

}  // namespace quenchel
