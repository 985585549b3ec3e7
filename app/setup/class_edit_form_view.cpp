#include "setup/class_edit_form_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/text_codec.h"
#include "print/grid_view.h"
#include "shell/dialog_parts.h"

namespace quenchel {

namespace {

constexpr int kFieldRowsPerColumn = TClassEditForm::kMaxScoreFields / 2;

void ShowText(QLineEdit& edit, const std::string& text) {
  const QString shown = FromCellText(text);
  if (edit.text() != shown) edit.setText(shown);
}

void ShowText(QLabel& label, const std::string& text) { label.setText(FromCellText(text)); }

// A value beside its setting button, wide enough for "00:00" and the longest count.
QLabel* ValueLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  const QFontMetrics metrics = label->fontMetrics();
  label->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("00/00/0000")) + 2 * metrics.averageCharWidth());
  label->setFrameShape(QFrame::StyledPanel);
  label->setFrameShadow(QFrame::Sunken);
  label->setTextInteractionFlags(Qt::NoTextInteraction);
  return label;
}

}  // namespace

ClassEditFormView::ClassEditFormView(TClassEditForm& model, QWidget* parent) : ModelDialog(parent), model_(model) {
  auto* layout = new QVBoxLayout(this);
  steps_ = new QTabWidget(this);
  const std::array<QWidget*, TClassEditForm::kStepCount> pages{
      BuildNameStep(), BuildFieldsStep(), BuildRoundsStep(), BuildForgesStep(), BuildHorsesStep(), BuildSummaryStep()};
  for (std::size_t i = 0; i < pages.size(); ++i)
    steps_->addTab(pages[i], FromCellText(TClassEditForm::kStepCaptions[i]));
  layout->addWidget(steps_, 1);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = AddButton(*buttons, tr("&OK"), QDialogButtonBox::AcceptRole);
  QPushButton* close = AddButton(*buttons, tr("&Close"), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);

  connect(steps_, &QTabWidget::currentChanged, this, [this](int page) {
    // A name refused as the step was left keeps the form on step 1.
    const int wanted = backToName_ ? TClassEditForm::kNameStep : page;
    backToName_ = false;
    Forward([this, wanted] { model_.PageControlChange(wanted); });
    // The tab widget finishes showing the chosen step first; a refused step is undone
    // after that.
    if (model_.ActivePage() != page)
      QMetaObject::invokeMethod(
          this, [this] { ShowStep(model_.ActivePage()); }, Qt::QueuedConnection);
    if (model_.ActivePage() == TClassEditForm::kNameStep)
      QMetaObject::invokeMethod(
          this, [this] { FocusActiveControl(); }, Qt::QueuedConnection);
  });
  connect(ok, &QPushButton::clicked, this, [this] { Finish(model_.OKClick()); });
  connect(close, &QPushButton::clicked, this, [this] { Finish(model_.CloseClick()); });

  // Wide enough for every step's tab and the rounds table.
  const QFontMetrics metrics = fontMetrics();
  const int tabsWidth = steps_->tabBar()->sizeHint().width() + 4 * metrics.averageCharWidth();
  resize(std::max(tabsWidth, metrics.averageCharWidth() * 130), metrics.height() * 34);
}

// --- building the steps -------------------------------------------------------------------

QLineEdit* ClassEditFormView::AddEdit(QWidget* page, int maxLength, std::string* text) {
  auto* edit = new QLineEdit(page);
  edit->setMaxLength(maxLength);
  edit->installEventFilter(this);
  connect(edit, &QLineEdit::textEdited, this, [text](const QString& typed) { *text = ToCellText(typed); });
  return edit;
}

QWidget* ClassEditFormView::BuildNameStep() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  const int nameWidth = fontMetrics().averageCharWidth() * (TClassEditForm::kNameLength + 2);

  className_ = AddEdit(page, TClassEditForm::kNameLength, &model_.ClassName);
  className_->setMinimumWidth(nameWidth);
  form->addRow(tr("Class &name"), className_);
  shortClassName_ = AddEdit(page, TClassEditForm::kNameLength, &model_.ShortClassName);
  shortClassName_->setMinimumWidth(nameWidth);
  form->addRow(tr("&Short class name"), shortClassName_);

  location_ = new QComboBox(page);
  location_->setEditable(true);
  location_->setInsertPolicy(QComboBox::NoInsert);
  location_->setMinimumWidth(nameWidth);
  location_->lineEdit()->setMaxLength(TClassEditForm::kNameLength);
  connect(location_, &QComboBox::currentTextChanged, this,
          [this](const QString& text) { model_.LocationCB = ToCellText(text); });
  form->addRow(tr("&Location"), location_);
  return page;
}

QWidget* ClassEditFormView::BuildFieldsStep() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  auto* count = new QFormLayout;
  noScoreFields_ = AddEdit(page, TClassEditForm::kFieldCountLength, &model_.NoScoreFields);
  noScoreFields_->setMaximumWidth(fontMetrics().averageCharWidth() * 6);
  connect(noScoreFields_, &QLineEdit::textEdited, this, [this] { Forward([this] { model_.NoScoreFieldsChange(); }); });
  count->addRow(FromCellText(TClassEditForm::kFieldCountLabel), noScoreFields_);
  layout->addLayout(count);

  auto* hint = new QLabel(FromCellText(TClassEditForm::kFieldsHint), page);
  hint->setWordWrap(true);
  layout->addWidget(hint);

  auto* titles = new QGridLayout;
  const int titleWidth = fontMetrics().averageCharWidth() * 30;
  for (int i = 0; i < TClassEditForm::kMaxScoreFields; ++i) {
    const auto at = static_cast<std::size_t>(i);
    fieldLabels_[at] = new QLabel(tr("Field %1").arg(i + 1), page);
    fields_[at] = AddEdit(page, TClassEditForm::kNameLength, &model_.F[at]);
    fields_[at]->setMinimumWidth(titleWidth);
    fieldLabels_[at]->setBuddy(fields_[at]);
    const int row = i % kFieldRowsPerColumn;
    const int column = (i / kFieldRowsPerColumn) * 2;
    titles->addWidget(fieldLabels_[at], row, column);
    titles->addWidget(fields_[at], row, column + 1);
  }
  titles->setColumnStretch(4, 1);
  layout->addLayout(titles);
  layout->addStretch(1);
  return page;
}

GridView* ClassEditFormView::AddGrid(QWidget* page, Grid& grid) {
  auto* view = new GridView(grid, page);
  view->setTabKeyNavigation(false);
  return view;
}

QPushButton* ClassEditFormView::AddSettingButton(QWidget* page, const QString& caption,
                                                 void (TClassEditForm::*click)()) {
  auto* button = new QPushButton(caption, page);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [this, click] { Forward([this, click] { (model_.*click)(); }); });
  return button;
}

QWidget* ClassEditFormView::BuildRoundsStep() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  roundsGrid_ = AddGrid(page, model_.RoundsGrid);
  roundsGrid_->viewport()->installEventFilter(this);
  roundsGrid_->installEventFilter(this);
  layout->addWidget(roundsGrid_, 1);

  auto* settings = new QGridLayout;
  struct Setting {
    QString caption;
    void (TClassEditForm::*click)();
    QLabel** value;
  };
  const std::array<Setting, 7> entries{{
      {tr("&Rounds"), &TClassEditForm::RoundsClick, &dispRounds_},
      {tr("&Duration"), &TClassEditForm::DurationClick, &duration_},
      {tr("&No. Comps"), &TClassEditForm::NoCompsClick, &noComps_},
      {tr("&Get ready time"), &TClassEditForm::GetReadyClick, &prepTime_},
      {tr("Start time"), &TClassEditForm::StartTimeClick, &startTime_},
      {tr("Change over time"), &TClassEditForm::ChangeOverClick, &changeOverTime_},
      {tr("Date"), &TClassEditForm::DateClick, &date_},
  }};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const int row = static_cast<int>(i) / 4;
    const int column = static_cast<int>(i) % 4 * 2;
    settings->addWidget(AddSettingButton(page, entries[i].caption, entries[i].click), row, column);
    *entries[i].value = ValueLabel(page);
    settings->addWidget(*entries[i].value, row, column + 1);
  }
  dayName_ = new QLabel(page);
  settings->addWidget(dayName_, 1, 7);
  layout->addLayout(settings);

  autoUpDate_ = new QCheckBox(FromCellText(TClassEditForm::kAutoUpDateCaption), page);
  connect(autoUpDate_, &QCheckBox::clicked, this,
          [this](bool checked) { Forward([this, checked] { model_.AutoUpDateClick(checked); }); });
  layout->addWidget(autoUpDate_);
  return page;
}

QWidget* ClassEditFormView::BuildForgesStep() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  forgesGrid_ = AddGrid(page, model_.ForgesGrid);
  layout->addWidget(forgesGrid_, 1);
  auto* row = new QHBoxLayout;
  row->addWidget(AddSettingButton(page, tr("&Edit Forges and Type"), &TClassEditForm::ForgesClick));
  dispForges_ = ValueLabel(page);
  row->addWidget(dispForges_);
  forgeTitles_ = new QLabel(page);
  row->addWidget(forgeTitles_);
  row->addStretch(1);
  layout->addLayout(row);
  return page;
}

QWidget* ClassEditFormView::BuildHorsesStep() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  horsesGrid_ = AddGrid(page, model_.HorsesGrid);
  layout->addWidget(horsesGrid_, 1);
  auto* row = new QHBoxLayout;
  row->addWidget(AddSettingButton(page, tr("&Horses"), &TClassEditForm::HorsesClick));
  dispHorses_ = ValueLabel(page);
  row->addWidget(dispHorses_);
  horsesRequired_ = new QLabel(page);
  QPalette red = horsesRequired_->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  horsesRequired_->setPalette(red);
  QFont bold = horsesRequired_->font();
  bold.setBold(true);
  horsesRequired_->setFont(bold);
  row->addWidget(horsesRequired_);
  row->addStretch(1);
  footOrder_ = new QCheckBox(FromCellText(TClassEditForm::kFootOrderCaption), page);
  connect(footOrder_, &QCheckBox::clicked, this,
          [this](bool checked) { Forward([this, checked] { model_.FootOrderClick(checked); }); });
  row->addWidget(footOrder_);
  layout->addLayout(row);
  return page;
}

QWidget* ClassEditFormView::BuildSummaryStep() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  sumGrid_ = AddGrid(page, model_.SumGrid);
  sumGrid_->setFocusPolicy(Qt::NoFocus);
  layout->addWidget(sumGrid_, 1);
  return page;
}

// --- events ----------------------------------------------------------------------------------

void ClassEditFormView::reject() { Finish(model_.CloseClick()); }

bool ClassEditFormView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    // Another window (a message box, a prompt) taking the focus is not leaving the field.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) Left(watched);
  } else if (roundsGrid_ == nullptr) {
    // Events while the window is being built.
  } else if (watched == roundsGrid_->viewport() && event->type() == QEvent::MouseButtonRelease) {
    const QModelIndex cell = roundsGrid_->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    if (cell.isValid()) Forward([this, cell] { model_.RoundsGridSelectCell(cell.column(), cell.row()); });
  } else if (watched == roundsGrid_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const QModelIndex cell = roundsGrid_->currentIndex();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && cell.isValid()) {
      Forward([this, cell] { model_.RoundsGridSelectCell(cell.column(), cell.row()); });
      return true;
    }
  }
  return ModelDialog::eventFilter(watched, event);
}

void ClassEditFormView::Left(QObject* field) {
  if (checking_) return;
  checking_ = true;
  bool stay = false;
  // Leaving step 1 with no name is told by the step change itself; a repeated name is
  // told here, whichever way the field was left.
  const bool stepChanging = field == className_ || field == shortClassName_ ? !className_->isVisible() : false;
  if (field == className_ && !(stepChanging && model_.ClassName.empty())) {
    stay = !model_.ClassNameExit();
  } else if (field == shortClassName_ && !(stepChanging && model_.ShortClassName.empty())) {
    stay = !model_.ShortClassNameExit();
  } else if (field == noScoreFields_) {
    model_.NoScoreFieldsExit();
  } else {
    for (int i = 0; i < TClassEditForm::kMaxScoreFields; ++i)
      if (field == fields_[static_cast<std::size_t>(i)]) model_.FieldExit(i);
  }
  if (stay && stepChanging) backToName_ = true;
  ShowModelState();
  // Still checking: the field the cursor is taken from is not being left by the user.
  if (stay) FocusActiveControl();
  checking_ = false;
}

void ClassEditFormView::Opening() {
  {
    const QSignalBlocker quiet(location_);
    location_->clear();
    for (const std::string& item : model_.LocationItems) location_->addItem(FromCellText(item));
  }
  ShowModelState();
  ShowStep(model_.ActivePage());
  FocusActiveControl();
}

void ClassEditFormView::Forward(const std::function<void()>& event) {
  if (checking_) return;
  checking_ = true;
  event();
  ShowModelState();
  checking_ = false;
}

void ClassEditFormView::keyPressEvent(QKeyEvent* event) {
  // Enter moves on to the next control as Tab does (a button it presses); it never
  // closes the form.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
      button->click();
    else
      focusNextChild();
    return;
  }
  ModelDialog::keyPressEvent(event);
}

void ClassEditFormView::FocusActiveControl() {
  if (model_.ActiveControl() == TClassEditForm::kShortClassNameControl)
    shortClassName_->setFocus();
  else
    className_->setFocus();
}

void ClassEditFormView::ShowStep(int page) {
  const QSignalBlocker quiet(steps_);
  steps_->setCurrentIndex(page);
}

void ClassEditFormView::ShowModelState() {
  setWindowTitle(FromCellText(model_.Caption));

  ShowText(*className_, model_.ClassName);
  ShowText(*shortClassName_, model_.ShortClassName);
  if (location_->currentText() != FromCellText(model_.LocationCB)) {
    const QSignalBlocker quiet(location_);
    location_->setEditText(FromCellText(model_.LocationCB));
  }

  ShowText(*noScoreFields_, model_.NoScoreFields);
  for (int i = 0; i < TClassEditForm::kMaxScoreFields; ++i) {
    const auto at = static_cast<std::size_t>(i);
    ShowText(*fields_[at], model_.F[at]);
    const bool shown = i < model_.VisibleFieldCount();
    fieldLabels_[at]->setVisible(shown);
    fields_[at]->setVisible(shown);
  }

  ShowText(*dispRounds_, model_.DispRounds);
  ShowText(*duration_, model_.Duration);
  ShowText(*noComps_, model_.lblNoComps);
  ShowText(*prepTime_, model_.lblPrepTime);
  ShowText(*startTime_, model_.lblStartTime);
  ShowText(*changeOverTime_, model_.lblChangeOverTime);
  ShowText(*date_, model_.lblDate);
  ShowText(*dayName_, model_.lblDayName);
  autoUpDate_->setChecked(model_.AutoUpDate);
  ShowText(*dispForges_, model_.DispForges);
  ShowText(*forgeTitles_, model_.lblForgeTitles);
  ShowText(*dispHorses_, model_.DispHorses);
  ShowText(*horsesRequired_, model_.lblHorsesRequired);
  footOrder_->setChecked(model_.FootOrder);

  for (GridView* grid : {roundsGrid_, forgesGrid_, horsesGrid_, sumGrid_}) grid->fitColumnWidthsToWholeTexts();
}

}  // namespace quenchel
