#pragma once
// The welcome screen: a borderless silver window in the middle of the screen greeting the
// user, which closes itself after two seconds.

#include <QDialog>

class QTimer;

namespace quenchel {

class WelcomeScreen final : public QDialog {
  Q_OBJECT

 public:
  explicit WelcomeScreen(QWidget* parent = nullptr);

  static constexpr int kShownMilliseconds = 2000;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QTimer* closeTimer_;
};

}  // namespace quenchel
