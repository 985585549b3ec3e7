#include "shell/time_form_view.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "platform/text_codec.h"
#include "shell/dialog_parts.h"
#include "shell/time_form.h"

namespace quenchel {

namespace {

QListWidget* NewTimeList(QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  const QFontMetrics metrics = list->fontMetrics();
  list->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("0000")) * 2);
  list->setMinimumHeight(metrics.height() * 12);
  return list;
}

void Fill(QListWidget& list, const std::vector<std::string>& entries, int selected) {
  const QSignalBlocker quiet(list);
  list.clear();
  for (const std::string& entry : entries) list.addItem(FromCellText(entry));
  if (selected >= 0) list.setCurrentRow(selected);
}

void Select(QListWidget& list, int selected) {
  const QSignalBlocker quiet(list);
  if (selected >= 0)
    list.setCurrentRow(selected);
  else
    list.clearSelection();
}

}  // namespace

// Without system buttons the picker closes only through OK (or Escape); the caller reads
// the picked time either way.
TimeFormView::TimeFormView(TTimeForm& model, QWidget* parent)
    : ModelDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), model_(model) {
  auto* layout = new QVBoxLayout(this);
  pnlTop_ = AddHeadingPanel(*layout, this);

  auto* grid = new QGridLayout;
  time_ = new QLineEdit(this);
  time_->setReadOnly(true);
  time_->setAlignment(Qt::AlignCenter);
  time_->setMaximumWidth(time_->fontMetrics().horizontalAdvance(QStringLiteral("000:000")) * 2);
  hoursLB_ = NewTimeList(this);
  minsLB_ = NewTimeList(this);
  grid->addWidget(new QLabel(tr("Time"), this), 0, 0);
  grid->addWidget(new QLabel(tr("Hour"), this), 0, 1);
  grid->addWidget(new QLabel(tr("Minute"), this), 0, 2);
  grid->addWidget(time_, 1, 0, Qt::AlignTop);
  grid->addWidget(hoursLB_, 1, 1);
  grid->addWidget(minsLB_, 1, 2);
  layout->addLayout(grid);

  lblDayHourMinute_ = new QLabel(this);
  lblDayHourMinute_->setAlignment(Qt::AlignCenter);
  layout->addWidget(lblDayHourMinute_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = AddButton(*buttons, tr("&OK"), QDialogButtonBox::AcceptRole);
  layout->addWidget(buttons);

  // Selection rather than clicks, so that choosing with the arrow keys counts as well.
  connect(hoursLB_, &QListWidget::itemSelectionChanged, this, [this] { Picked(*hoursLB_, &TTimeForm::HoursLBClick); });
  connect(minsLB_, &QListWidget::itemSelectionChanged, this, [this] { Picked(*minsLB_, &TTimeForm::MinsLBClick); });
  connect(ok, &QPushButton::clicked, this, [this] { Finish(model_.OKClick()); });
}

void TimeFormView::Opening() {
  model_.FormShow();
  setWindowTitle(FromCellText(model_.Caption));
  pnlTop_->setText(FromCellText(model_.pnlTopCaption));
  Fill(*hoursLB_, model_.HoursLB(), model_.HoursLBIndex());
  Fill(*minsLB_, model_.MinsLB(), model_.MinsLBIndex());
  Refresh();
}

void TimeFormView::Picked(QListWidget& list, void (TTimeForm::*click)(int)) {
  const QList<QListWidgetItem*> selected = list.selectedItems();
  if (selected.size() != 1) return;
  (model_.*click)(list.row(selected.front()));
  Refresh();
}

void TimeFormView::Refresh() {
  time_->setText(FromCellText(model_.Time()));
  lblDayHourMinute_->setText(FromCellText(model_.lblDayHourMinute()));
  Select(*hoursLB_, model_.HoursLBIndex());
  Select(*minsLB_, model_.MinsLBIndex());
}

}  // namespace quenchel
