#include "shell/work_area.h"

#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "shell/logical_size.h"
#include "shell/picture_widget.h"
#include "shell/pictures.h"
#include "shell/product.h"

namespace quenchel {

namespace {
constexpr double kLogoHeight = 290;
constexpr double kBannerFontPixels = 18;
}  // namespace

WorkArea::WorkArea(QWidget* parent)
    : QFrame(parent), logo_(new PictureWidget(&pictures::PaintLogo, this)), bannerLine_(new QLabel(this)) {
  setObjectName(QStringLiteral("WorkArea"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);

  bannerLine_->setObjectName(QStringLiteral("WorkAreaBanner"));
  bannerLine_->setTextFormat(Qt::PlainText);
  bannerLine_->setAlignment(Qt::AlignCenter);
  bannerLine_->setText(FromCellText(kProductName) + tr("     Farriery Competition Organiser     "));
  QPalette palette = bannerLine_->palette();
  palette.setColor(QPalette::WindowText, Qt::red);
  bannerLine_->setPalette(palette);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(logo_, 0, Qt::AlignHCenter);
  layout->addWidget(bannerLine_, 0, Qt::AlignHCenter);
  ApplyMeasures();
}

void WorkArea::ApplyMeasures() {
  const int logoHeight = ScaledPixels(*this, kLogoHeight);
  logo_->setFixedSize(static_cast<int>(logoHeight * pictures::kLogoAspect), logoHeight);

  QFont bannerFont = font();
  bannerFont.setBold(true);
  bannerFont.setItalic(true);
  bannerFont.setPixelSize(ScaledPixels(*this, kBannerFontPixels));
  bannerLine_->setFont(bannerFont);

  const int margin = ScaledPixels(*this, 24);
  layout()->setContentsMargins(margin, margin, margin, margin);
  layout()->setSpacing(ScaledPixels(*this, 16));
}

void WorkArea::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) ApplyMeasures();
  QFrame::changeEvent(event);
}

}  // namespace quenchel

namespace quenchel {

void WorkArea::paintEvent(QPaintEvent* event) {
  {
    // A soft light from above behind the logo; the raised frame is drawn over it.
    QPainter painter(this);
    QLinearGradient light(0, 0, 0, height());
    light.setColorAt(0, QColor(0xfc, 0xfb, 0xf8));
    light.setColorAt(1, QColor(0xe2, 0xdf, 0xd8));
    painter.fillRect(contentsRect(), light);
  }
  QFrame::paintEvent(event);
}

}  // namespace quenchel
