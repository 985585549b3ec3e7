#include "shell/get_date_form_view.h"

#include <QCalendarWidget>
#include <QDate>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <chrono>

#include "platform/text_codec.h"
#include "shell/dialog_parts.h"
#include "shell/get_date_form.h"

namespace quenchel {

namespace {

QDate ToQDate(std::chrono::year_month_day date) {
  return QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
               static_cast<int>(static_cast<unsigned>(date.day())));
}

std::chrono::year_month_day FromQDate(const QDate& date) {
  return std::chrono::year{date.year()} / date.month() / date.day();
}

}  // namespace

GetDateFormView::GetDateFormView(GetDateForm& model, QWidget* parent) : ModelDialog(parent), model_(model) {
  auto* layout = new QVBoxLayout(this);
  heading_ = AddHeadingPanel(*layout, this);
  calendar_ = new QCalendarWidget(this);
  calendar_->setGridVisible(true);
  layout->addWidget(calendar_);

  auto* chosen = new QHBoxLayout;
  dateText_ = new QLabel(this);
  dayName_ = new QLabel(this);
  QFont bold = dateText_->font();
  bold.setBold(true);
  dateText_->setFont(bold);
  dayName_->setFont(bold);
  chosen->addStretch();
  chosen->addWidget(dateText_);
  chosen->addSpacing(dateText_->fontMetrics().averageCharWidth() * 2);
  chosen->addWidget(dayName_);
  chosen->addStretch();
  layout->addLayout(chosen);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = AddButton(*buttons, tr("&OK"), QDialogButtonBox::AcceptRole);
  QPushButton* cancel = AddButton(*buttons, tr("&Cancel"), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);

  connect(calendar_, &QCalendarWidget::selectionChanged, this, [this] {
    model_.CalendarClick(FromQDate(calendar_->selectedDate()));
    Refresh();
  });
  connect(ok, &QPushButton::clicked, this, [this] { Finish(model_.OKClick()); });
  connect(cancel, &QPushButton::clicked, this, [this] { Finish(model_.CancelClick()); });
}

void GetDateFormView::Opening() {
  setWindowTitle(FromCellText(model_.Heading));
  heading_->setText(FromCellText(model_.Heading));
  Refresh();
}

void GetDateFormView::Refresh() {
  {
    const QSignalBlocker quiet(calendar_);
    calendar_->setSelectedDate(ToQDate(model_.Date()));
  }
  dateText_->setText(FromCellText(model_.DateText()));
  dayName_->setText(FromCellText(model_.DayNameText()));
}

}  // namespace quenchel
