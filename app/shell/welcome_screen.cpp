#include "shell/welcome_screen.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "shell/logical_size.h"
#include "shell/splash_form.h"

namespace quenchel {

namespace {
constexpr double kWidth = 640;
constexpr double kHeight = 157;
constexpr double kGreetingFontPixels = 40;
}  // namespace

WelcomeScreen::WelcomeScreen(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), closeTimer_(new QTimer(this)) {
  setObjectName(QStringLiteral("SplashForm"));
  setWindowTitle(FromCellText(SplashForm::kCaption));
  QPalette silver = palette();
  silver.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
  silver.setColor(QPalette::WindowText, Qt::red);
  setPalette(silver);
  setAutoFillBackground(true);

  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  frame->setLineWidth(2);
  auto* greeting = new QLabel(FromCellText(SplashForm().Label()), frame);
  greeting->setObjectName(QStringLiteral("WelcomeLabel"));
  greeting->setAlignment(Qt::AlignCenter);
  QFont greetingFont = font();
  greetingFont.setBold(true);
  greetingFont.setItalic(true);
  greetingFont.setPixelSize(ScaledPixels(*this, kGreetingFontPixels));
  greeting->setFont(greetingFont);

  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->addWidget(greeting);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(frame);
  setFixedSize(ScaledPixels(*this, kWidth), ScaledPixels(*this, kHeight));

  closeTimer_->setSingleShot(true);
  closeTimer_->setInterval(kShownMilliseconds);
  connect(closeTimer_, &QTimer::timeout, this, &QDialog::accept);
}

void WelcomeScreen::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
  closeTimer_->start();
}

}  // namespace quenchel
