#pragma once
// The heading across the top of the main window: the banner picture behind the
// competition's title (`lblCompetition`, which renames the competition when clicked) and
// the active class (`lblActiveClass`).

#include <QWidget>
#include <functional>

class QLabel;

namespace quenchel {

class HeadingPanel final : public QWidget {
  Q_OBJECT

 public:
  explicit HeadingPanel(QWidget* parent = nullptr);

  void SetTexts(const QString& competition, const QString& activeClass);
  std::function<void()> onCompetitionClicked;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ApplyMeasures();

  QLabel* competition_;
  QLabel* activeClass_;
};

}  // namespace quenchel
