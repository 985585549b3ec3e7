#include "setup/score_class_form_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "print/grid_view.h"
#include "setup/score_class_form.h"

namespace quenchel {

namespace {

// The list buttons stand in rows of this many.
constexpr int kListButtonsPerRow = 7;

QPushButton* NewButton(std::string_view caption, QWidget* parent) {
  auto* button = new QPushButton(FromCellText(caption), parent);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

ScoreClassFormView::ScoreClassFormView(TScoreClassForm& model, QWidget* parent)
    : ModelDialog(parent, Qt::Window), model_(model) {
  setWindowTitle(FromCellText(TScoreClassForm::kCaption));
  auto* layout = new QVBoxLayout(this);

  auto* titleRow = new QHBoxLayout;
  for (QLabel*& title : titles_) {
    title = new QLabel(this);
    title->setTextInteractionFlags(Qt::TextSelectableByMouse);
    titleRow->addWidget(title, 1);
  }
  layout->addLayout(titleRow);

  grid_ = new GridView(model_.ListGrid(), this);
  layout->addWidget(grid_, 1);
  measure_.emplace(grid_->font());

  auto* lists = new QGridLayout;
  int index = 0;
  for (const auto& [caption, list] : TScoreClassForm::kListButtons) {
    QPushButton* button = NewButton(caption, this);
    lists->addWidget(button, index / kListButtonsPerRow, index % kListButtonsPerRow);
    connect(button, &QPushButton::clicked, this, [this, list = list] { Forward([&] { model_.ListButtonClick(list); }); });
    ++index;
  }
  layout->addLayout(lists);

  auto* commands = new QHBoxLayout;
  QPushButton* sort = NewButton(TScoreClassForm::kSortButton, this);
  QPushButton* print = NewButton(TScoreClassForm::kPrintButton, this);
  QPushButton* printerSetup = NewButton(TScoreClassForm::kPrinterSetupButton, this);
  QPushButton* ok = NewButton(TScoreClassForm::kOKButton, this);
  for (QPushButton* button : {sort, print, printerSetup}) commands->addWidget(button);
  commands->addStretch(1);
  commands->addWidget(ok);
  layout->addLayout(commands);

  connect(sort, &QPushButton::clicked, this, [this] { Forward([this] { model_.SortClick(); }); });
  connect(print, &QPushButton::clicked, this, [this] { model_.PrintClick(); });
  connect(printerSetup, &QPushButton::clicked, this, [this] { model_.PrinterSetupClick(); });
  connect(ok, &QPushButton::clicked, this, [this] { Finish(model_.OKClick()); });

  const QFontMetrics metrics = fontMetrics();
  resize(metrics.averageCharWidth() * 120, metrics.height() * 40);
}

void ScoreClassFormView::Opening() {
  model_.SetGridMeasure(*measure_);
  Forward([this] { model_.FormActivate(); });
}

void ScoreClassFormView::Forward(const std::function<void()>& event) {
  model_.SetGridClientWidth(grid_->viewport()->width());
  event();
  ShowModelState();
}

void ScoreClassFormView::ShowModelState() {
  for (std::size_t i = 0; i < model_.Titles().size(); ++i) titles_[i]->setText(FromCellText(model_.Titles()[i]));
  grid_->refresh();
}

}  // namespace quenchel
