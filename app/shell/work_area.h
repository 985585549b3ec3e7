#pragma once
// `WorkArea`: the raised panel in the middle of the main window with the logo and the
// product's banner line.

#include <QFrame>

class QLabel;

namespace quenchel {

class PictureWidget;

class WorkArea final : public QFrame {
  Q_OBJECT

 public:
  explicit WorkArea(QWidget* parent = nullptr);

 protected:
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void ApplyMeasures();

  PictureWidget* logo_;
  QLabel* bannerLine_;
};

}  // namespace quenchel
