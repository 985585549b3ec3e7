#pragma once
// The flash notice: a short message in large bold type that closes itself.

#include <QDialog>
#include <QString>
#include <QTimer>

namespace quenchel {

class FlashView final : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kShowMilliseconds = 1000;

  FlashView(const QString& caption, const QString& message, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QTimer closer_;
};

// Shows a flash notice modally and returns once it has closed itself; fits
// QtDialogs::FlashPresenter.
void ShowFlashNotice(QWidget* parent, const QString& caption, const QString& message);

}  // namespace quenchel
