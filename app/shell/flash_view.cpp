#include "shell/flash_view.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace quenchel {

namespace {

// About half as large again as the interface font, whichever unit the font is set in.
QFont LargeBold(QFont font) {
  if (font.pointSizeF() > 0)
    font.setPointSizeF(font.pointSizeF() * 1.5);
  else
    font.setPixelSize(font.pixelSize() * 3 / 2);
  font.setBold(true);
  return font;
}

}  // namespace

FlashView::FlashView(const QString& caption, const QString& message, QWidget* parent) : QDialog(parent) {
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  auto* text = new QLabel(message, panel);
  text->setFont(LargeBold(text->font()));
  text->setAlignment(Qt::AlignCenter);
  const QFontMetrics metrics(text->font());
  text->setMinimumSize(metrics.horizontalAdvance(message) + metrics.averageCharWidth() * 8, metrics.height() * 3);
  auto* inside = new QVBoxLayout(panel);
  inside->addWidget(text);
  layout->addWidget(panel);

  closer_.setSingleShot(true);
  closer_.setInterval(kShowMilliseconds);
  connect(&closer_, &QTimer::timeout, this, &QDialog::accept);
}

// The timer starts when the notice first appears, so it is seen for its full second and
// never longer.
void FlashView::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!closer_.isActive()) closer_.start();
}

void ShowFlashNotice(QWidget* parent, const QString& caption, const QString& message) {
  FlashView notice(caption, message, parent);
  notice.exec();
}

}  // namespace quenchel
