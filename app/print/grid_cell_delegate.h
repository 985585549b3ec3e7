#pragma once
// The common cell painter of every grid window: paints each cell as DrawGridCellStyle
// (core/print/grid_cell_style.h) says, in the view's palette. The view's own selection
// and focus are not shown; only the grid's marked row is.

#include <functional>
#include <optional>
#include <utility>

#include <QFont>
#include <QPalette>
#include <QStyledItemDelegate>

#include "print/grid_cell_style.h"

namespace quenchel {

class GridCellDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit GridCellDelegate(QObject* parent = nullptr);

  // The grid's font; row 0 is drawn bold and one point smaller.
  void setGridFont(const QFont& font) { font_ = font; }
  const QFont& gridFont() const noexcept { return font_; }
  // Cells the window colours itself (the report's Data Check): such a cell is filled with
  // the colour given and its text stands right-aligned on it.
  using CellFill = std::function<std::optional<Rgb>(int column, int row)>;
  void setCellFill(CellFill fill) { cellFill_ = std::move(fill); }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // The palette colour a cell colour role stands for.
  static QColor colourOf(const QPalette& palette, CellColourRole role);

 private:
  QFont font_;
  CellFill cellFill_;
};

}  // namespace quenchel
