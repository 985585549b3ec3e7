#pragma once
// A widget that shows one painted picture, redrawn at the screen's own resolution.

#include <QWidget>
#include <functional>

class QPainter;

namespace quenchel {

class PictureWidget final : public QWidget {
  Q_OBJECT

 public:
  using Painting = std::function<void(QPainter&, const QRectF&)>;
  PictureWidget(Painting painting, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Painting painting_;
};

}  // namespace quenchel
