#pragma once
// Helpers for tests that drive modal windows: they act once the window is up, since
// exec() does not return until it closes.

#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace quenchel::apptest {

// Runs `act` once the next modal window of type T is up.
template <class T>
void WhenOpen(std::function<void(T&)> act) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
    auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
    if (window == nullptr) return;
    poll->stop();
    poll->deleteLater();
    act(*window);
  });
  poll->start(10);
}

// The window's push button with this text, or null.
inline QPushButton* Button(QWidget& window, const QString& text) {
  for (QPushButton* button : window.findChildren<QPushButton*>())
    if (button->text() == text) return button;
  return nullptr;
}

// Saves a picture of the window under this name in the folder QUENCHEL_SCREENSHOT_DIR
// names, for looking at layouts; does nothing without it. False when saving failed.
inline bool KeepScreenshot(QWidget& window, const QString& name) {
  const QByteArray folder = qgetenv("QUENCHEL_SCREENSHOT_DIR");
  if (folder.isEmpty()) return true;
  return window.grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + name);
}

}  // namespace quenchel::apptest
