#include "reports/active_report_form_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "print/grid_cell_delegate.h"
#include "print/grid_view.h"
#include "reports/active_report_form.h"

namespace quenchel {

namespace {

QPushButton* NewButton(std::string_view caption, QWidget* parent) {
  auto* button = new QPushButton(FromCellText(caption), parent);
  button->setAutoDefault(false);
  return button;
}

QString CssColour(Rgb colour) { return QColor(colour.red, colour.green, colour.blue).name(); }

}  // namespace

ActiveReportFormView::ActiveReportFormView(TActiveReportGridForm& model, QWidget* parent)
    : ModelDialog(parent, Qt::Window), model_(model) {
  setWindowTitle(FromCellText(TActiveReportGridForm::kCaption));
  auto* layout = new QVBoxLayout(this);

  heading_ = new QLabel(this);
  heading_->setObjectName(QStringLiteral("Heading"));
  heading_->setAlignment(Qt::AlignCenter);
  heading_->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; font-size: 14pt; color: %1; background: %2; "
                                         "padding: 6px; }")
                              .arg(CssColour(TActiveReportGridForm::kHeadingText),
                                   CssColour(TActiveReportGridForm::kHeadingPanel)));
  layout->addWidget(heading_);

  grid_ = new GridView(model_.ResultsGrid, this);
  grid_->setObjectName(QStringLiteral("Grid"));
  grid_->verticalHeader()->setDefaultSectionSize(std::max(TActiveReportGridForm::kRowHeight, grid_->rowHeight()));
  grid_->cellDelegate().setCellFill([this](int column, int row) { return model_.DataCheckFill(column, row); });
  layout->addWidget(grid_, 1);

  auto* buttons = new QHBoxLayout;
  QPushButton* changeReport = NewButton(TActiveReportGridForm::kChangeReportButton, this);
  QPushButton* printers = NewButton(TActiveReportGridForm::kPrintersButton, this);
  QPushButton* preview = NewButton(TActiveReportGridForm::kPrintPreviewButton, this);
  QPushButton* html = NewButton(TActiveReportGridForm::kHtmlButton, this);
  QPushButton* close = NewButton(TActiveReportGridForm::kCloseButton, this);
  changeReport->setObjectName(QStringLiteral("ChangeReport"));
  printers->setObjectName(QStringLiteral("SetUpPTR"));
  preview->setObjectName(QStringLiteral("PrintPreview"));
  html->setObjectName(QStringLiteral("HTML"));
  close->setObjectName(QStringLiteral("Cancel"));
  // The Print button stays hidden: the preview's own Print button prints a report.
  for (QPushButton* button : {changeReport, printers, preview, html}) buttons->addWidget(button);
  buttons->addStretch(1);
  buttons->addWidget(close);
  layout->addLayout(buttons);

  connect(changeReport, &QPushButton::clicked, this, [this] { Forward([this] { model_.ChangeReportClick(); }); });
  connect(printers, &QPushButton::clicked, this, [this] { model_.SetUpPTRClick(); });
  connect(preview, &QPushButton::clicked, this, [this] { Forward([this] { model_.PrintPreviewClick(); }); });
  connect(html, &QPushButton::clicked, this, [this] { Forward([this] { model_.HTMLClick(); }); });
  connect(close, &QPushButton::clicked, this, [this] {
    model_.CancelClick();
    Finish(ModalResult::Cancel);
  });

  const QFontMetrics metrics = fontMetrics();
  resize(metrics.averageCharWidth() * 130, metrics.height() * 42);
}

void ActiveReportFormView::Opening() { ShowModelState(); }

void ActiveReportFormView::Forward(const std::function<void()>& event) {
  event();
  ShowModelState();
}

void ActiveReportFormView::ShowModelState() {
  heading_->setText(FromCellText(model_.Heading));
  for (int column = 0; column < model_.ResultsGrid.ColCount(); ++column)
    grid_->setColumnAlignment(column, model_.ColumnAlignment(column));
  grid_->fitColumnWidthsToWholeTexts();
}

void ActiveReportFormView::resizeEvent(QResizeEvent* event) {
  ModelDialog::resizeEvent(event);
  grid_->fitColumnWidthsToWholeTexts();
}

}  // namespace quenchel
