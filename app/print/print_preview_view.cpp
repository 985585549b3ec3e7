#include "print/print_preview_view.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "platform/text_codec.h"
#include "print/print_preview_form.h"
#include "print/qpainter_surface.h"

namespace quenchel {

namespace {

QColor ToColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

// The bottom buttons stand this far from the panel's right edge and from each other.
constexpr int kButtonGap = 10;

}  // namespace

// The white page: every paint has the model render the shown page on it.
class PreviewPage final : public QWidget {
 public:
  PreviewPage(TPrintPreviewForm& model, std::function<void()> painted, QWidget* parent)
      : QWidget(parent), model_(model), painted_(std::move(painted)) {
    // White also while the model draws nothing (while printing, or without a printer).
    QPalette white = palette();
    white.setColor(QPalette::Window, ToColor(TPrintPreviewForm::kPageWhite));
    setPalette(white);
    setAutoFillBackground(true);
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    QPainterSurface surface(painter);
    model_.Paint(surface);
    painter.end();
    // The rendering may have announced other pages; the tabs follow after the paint.
    QTimer::singleShot(0, this, painted_);
  }

 private:
  TPrintPreviewForm& model_;
  std::function<void()> painted_;
};

PrintPreviewView::PrintPreviewView(TPrintPreviewForm& model, QWidget* parent)
    : ModelDialog(parent, Qt::Window), model_(model) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  scroll_ = new QScrollArea(this);
  scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  page_ = new PreviewPage(model_, [this] { ShowModelState(); }, scroll_);
  scroll_->setWidget(page_);
  scroll_->setWidgetResizable(false);
  layout->addWidget(scroll_, 1);

  tabs_ = new QTabBar(this);
  tabs_->setShape(QTabBar::RoundedSouth);
  tabs_->setExpanding(false);
  tabs_->setUsesScrollButtons(true);
  QFont tabFont = tabs_->font();
  tabFont.setBold(TPrintPreviewForm::kTabCaptionsBold);
  tabs_->setFont(tabFont);
  tabs_->setStyleSheet(QStringLiteral("QTabBar::tab { background: palette(button); padding: 2px 12px; "
                                      "border: 1px solid palette(mid); }"
                                      "QTabBar::tab:selected { background: white; }"));
  layout->addWidget(tabs_);

  auto* buttons = new QFrame(this);
  buttons->setFrameShape(QFrame::StyledPanel);
  auto* buttonRow = new QHBoxLayout(buttons);
  buttonRow->setContentsMargins(kButtonGap, kButtonGap / 2, kButtonGap, kButtonGap / 2);
  buttonRow->setSpacing(kButtonGap);
  buttonRow->addStretch(1);
  print_ = new QPushButton(FromCellText(TPrintPreviewForm::kPrintButton), buttons);
  cancel_ = new QPushButton(FromCellText(TPrintPreviewForm::kCancelButton), buttons);
  for (QPushButton* button : {print_, cancel_}) button->setAutoDefault(false);
  buttonRow->addWidget(print_);
  buttonRow->addWidget(cancel_);
  layout->addWidget(buttons);

  layout->addWidget(new QStatusBar(this));

  connect(tabs_, &QTabBar::currentChanged, this, [this](int tab) {
    if (tab >= 0 && tab != model_.SelectedTab()) model_.TabChange(tab);
  });
  connect(print_, &QPushButton::clicked, this, [this] { model_.PrintClick(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { Finish(ModalResult::Cancel); });
}

PrintPreviewView::~PrintPreviewView() { model_.onRepaint = nullptr; }

QWidget* PrintPreviewView::Page() const { return page_; }

void PrintPreviewView::Opening() {
  setWindowTitle(FromCellText(model_.Caption));
  QPalette silver = scroll_->palette();
  silver.setColor(QPalette::Window, ToColor(model_.PanelColour()));
  scroll_->setPalette(silver);
  scroll_->setBackgroundRole(QPalette::Window);

  // The first rendering counts the pages and sizes the page; it draws nothing, the page's
  // paint events do.
  model_.onRepaint = [this] {
    page_->update();
    ShowModelState();
  };
  QPainterSurface measuring(*page_);
  model_.FormShow(measuring);
  ShowModelState();

  // The whole page across, as much of it down as the screen allows.
  const QRect screen = (parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen())
                           ->availableGeometry();
  const int scrollBar = scroll_->verticalScrollBar()->sizeHint().width();
  const int width = std::min(screen.width(), page_->width() + scrollBar + 4 * scroll_->frameWidth() + kButtonGap);
  resize(width, screen.height() * 9 / 10);
}

void PrintPreviewView::ShowModelState() {
  const QSize size(model_.SurfaceWidth(), model_.SurfaceHeight());
  if (page_->size() != size) page_->resize(size);
  ShowTabs();
}

void PrintPreviewView::ShowTabs() {
  const std::vector<std::string>& tabs = model_.Tabs();
  if (tabs != shownTabs_) {
    const QSignalBlocker quiet(tabs_);
    while (tabs_->count() > 0) tabs_->removeTab(tabs_->count() - 1);
    for (const std::string& tab : tabs) tabs_->addTab(FromCellText(tab));
    shownTabs_ = tabs;
  }
  if (tabs_->currentIndex() != model_.SelectedTab() && model_.SelectedTab() < tabs_->count()) {
    const QSignalBlocker quiet(tabs_);
    tabs_->setCurrentIndex(model_.SelectedTab());
  }
}

}  // namespace quenchel
