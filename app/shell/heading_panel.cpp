#include "shell/heading_panel.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "shell/logical_size.h"
#include "shell/pictures.h"

namespace quenchel {

namespace {

constexpr double kHeight = 73;
constexpr double kCompetitionFontPixels = 16;
constexpr double kActiveClassFontPixels = 21;

QLabel* HeadingLabel(const char* name, const QColor& colour, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);  // a title is shown as typed, never as markup
  label->setAlignment(Qt::AlignCenter);
  // The banner is pale whatever the desktop theme, so the colours are fixed too.
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

}  // namespace

HeadingPanel::HeadingPanel(QWidget* parent)
    : QWidget(parent),
      competition_(HeadingLabel("lblCompetition", Qt::black, this)),
      activeClass_(HeadingLabel("lblActiveClass", Qt::blue, this)) {
  competition_->setCursor(Qt::PointingHandCursor);
  competition_->setToolTip(tr("Click to rename the competition"));
  competition_->installEventFilter(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(competition_, 0, Qt::AlignHCenter);
  layout->addWidget(activeClass_, 0, Qt::AlignHCenter);
  layout->addStretch(1);
  ApplyMeasures();
}

void HeadingPanel::SetTexts(const QString& competition, const QString& activeClass) {
  competition_->setText(competition);
  activeClass_->setText(activeClass);
}

void HeadingPanel::ApplyMeasures() {
  setFixedHeight(ScaledPixels(*this, kHeight));
  layout()->setContentsMargins(0, ScaledPixels(*this, 6), 0, 0);
  layout()->setSpacing(ScaledPixels(*this, 3));

  QFont competitionFont = font();
  competitionFont.setBold(true);
  competitionFont.setPixelSize(ScaledPixels(*this, kCompetitionFontPixels));
  competition_->setFont(competitionFont);

  QFont activeClassFont = font();
  activeClassFont.setBold(true);
  activeClassFont.setPixelSize(ScaledPixels(*this, kActiveClassFontPixels));
  activeClass_->setFont(activeClassFont);
}

void HeadingPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  pictures::PaintBanner(painter, QRectF(rect()));
}

bool HeadingPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == competition_ && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && onCompetitionClicked) {
    onCompetitionClicked();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void HeadingPanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) ApplyMeasures();
  QWidget::changeEvent(event);
}

}  // namespace quenchel
