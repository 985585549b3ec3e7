#include "setup/score_class_form.h"

#include <utility>

#include "platform/printing.h"
#include "print/print_primitives.h"
#include "store/dslist.h"
#include "store/list_display.h"

namespace quenchel {

namespace {

class ByteCountMeasure final : public TextMeasure {
 public:
  int TextWidth(std::string_view text) const override {
    return static_cast<int>(text.size()) * TScoreClassForm::kFallbackCharWidth;
  }
};

const ByteCountMeasure kFallbackMeasure;

}  // namespace

void InspectList(const DSList& list, ListInspection& inspection, const TextMeasure& measure) {
  for (int which = 1; which <= 3; ++which) inspection.titles[static_cast<std::size_t>(which - 1)] = list.Title(which);
  DumpToGrid(list, inspection.grid, measure);
}

TScoreClassForm::TScoreClassForm(Competition& competition, Dialogs& dialogs, Printing& printing, GridPrinter print)
    : competition_(competition), dialogs_(dialogs), printing_(printing), print_(std::move(print)),
      measure_(&kFallbackMeasure) {}

void TScoreClassForm::Show(ListId list) {
  shownList_ = list;
  InspectList(competition_.List(list), shown_, *measure_);
}

void TScoreClassForm::FormActivate() { Show(ListId::Class); }

void TScoreClassForm::ListButtonClick(ListId list) { Show(list); }

void TScoreClassForm::SortClick() {
  competition_.CompetitorList.SortByCell1('b');
  Show(ListId::Competitor);
}

void TScoreClassForm::PrintClick() {
  if (print_) print_(shown_.grid, PrintHeadings{shown_.titles[0], shown_.titles[1], shown_.titles[2]});
}

void TScoreClassForm::PrinterSetupClick() {
  if (PrinterInstalled(printing_, dialogs_)) printing_.ShowPrinterSetup();
}

}  // namespace quenchel
