#include "print/grid_cell_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QPolygon>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include "platform/text_codec.h"
#include "print/grid.h"
#include "print/grid_table_model.h"

namespace quenchel {

namespace {

QRect ToQRect(const Rect& rect) { return QRect(rect.left, rect.top, rect.width, rect.height); }

Qt::Alignment HorizontalFlag(CellAlignment alignment) {
  switch (alignment) {
    case CellAlignment::Centre: return Qt::AlignHCenter;
    case CellAlignment::Right: return Qt::AlignRight;
    case CellAlignment::Left: break;
  }
  return Qt::AlignLeft;
}

SurfaceFont ToSurfaceFont(const QFont& font) {
  SurfaceFont surfaceFont;
  surfaceFont.name = font.family().toStdString();
  surfaceFont.size = font.pointSize() > 0 ? font.pointSize() : 8;
  surfaceFont.bold = font.bold();
  surfaceFont.italic = font.italic();
  surfaceFont.underline = font.underline();
  return surfaceFont;
}

QFont ToQFont(const QFont& base, const SurfaceFont& font) {
  QFont result = base;
  if (font.size > 0) result.setPointSize(font.size);
  result.setBold(font.bold);
  result.setItalic(font.italic);
  result.setUnderline(font.underline);
  return result;
}

}  // namespace

GridCellDelegate::GridCellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QColor GridCellDelegate::colourOf(const QPalette& palette, CellColourRole role) {
  switch (role) {
    case CellColourRole::FixedBackground:
    case CellColourRole::ButtonFace: return palette.color(QPalette::Button);
    case CellColourRole::ButtonText: return palette.color(QPalette::ButtonText);
    case CellColourRole::ButtonHighlight: return palette.color(QPalette::Light);
    case CellColourRole::ButtonShadow: return palette.color(QPalette::Dark);
    case CellColourRole::Highlight: return palette.color(QPalette::Highlight);
    case CellColourRole::HighlightText: return palette.color(QPalette::HighlightedText);
    case CellColourRole::InfoBackground: return palette.color(QPalette::ToolTipBase);
    case CellColourRole::ThreeDLight: return palette.color(QPalette::Midlight);
    case CellColourRole::Text: break;
  }
  return palette.color(QPalette::Text);
}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const auto* model = qobject_cast<const GridTableModel*>(index.model());
  if (model == nullptr) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  const Grid& grid = model->grid();
  const int column = index.column();
  const int row = index.row();
  const QRect cell = option.rect;
  const QWidget* widget = option.widget;
  const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  const int checkWidth = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget);
  const int checkHeight = style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, widget);
  const bool fixed = row < grid.FixedRows() || column < grid.FixedCols();

  CellStyle cellStyle =
      DrawGridCellStyle(grid, column, row, Rect{cell.x(), cell.y(), cell.width(), cell.height()}, fixed,
                        model->columnAlignment(column), checkWidth, checkHeight, ToSurfaceFont(font_));
  const QPalette& palette = option.palette;

  painter->save();
  painter->setClipRect(cell);
  painter->fillRect(cell, colourOf(palette, cellStyle.background));
  if (cellFill_ && row > 0) {
    if (const std::optional<Rgb> fill = cellFill_(column, row)) {
      painter->fillRect(cell, QColor(fill->red, fill->green, fill->blue));
      cellStyle.alignment = CellAlignment::Right;
    }
  }

  if (cellStyle.raisedFrame) {
    const int right = cell.right();
    const int bottom = cell.bottom();
    painter->setPen(QPen(colourOf(palette, cellStyle.frameLight), 1));
    painter->drawLine(cell.left(), cell.top(), right, cell.top());
    painter->drawLine(cell.left(), cell.top(), cell.left(), bottom);
    painter->setPen(QPen(colourOf(palette, cellStyle.frameDark), 1));
    painter->drawLine(cell.left(), bottom, right, bottom);
    painter->drawLine(right, cell.top(), right, bottom);
  }

  if (cellStyle.checkBox) {
    // The rule's rectangle runs from 2 above the box's place (centred on the cell's
    // middle) to a box height below the middle; the style draws a box of its own size
    // at that place.
    const QRect area = ToQRect(cellStyle.checkBoxRect);
    QStyleOptionButton box;
    if (widget != nullptr) box.initFrom(widget);
    box.rect = QRect(area.left(), area.top() + 2, checkWidth, checkHeight);
    box.state = QStyle::State_Enabled | (cellStyle.checked ? QStyle::State_On : QStyle::State_Off);
    box.palette = palette;
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, widget);
  }

  const QString text = index.data(Qt::DisplayRole).toString();
  if (!text.isEmpty()) {
    painter->setFont(ToQFont(font_, cellStyle.font));
    painter->setPen(colourOf(palette, cellStyle.text));
    painter->drawText(ToQRect(cellStyle.textRect), HorizontalFlag(cellStyle.alignment) | Qt::AlignVCenter | Qt::TextSingleLine,
                      text);
  }

  if (cellStyle.sortArrow) {
    QPolygon arrow;
    for (const Point& point : cellStyle.arrow) arrow.append(QPoint(point.x, point.y));
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(QColor(cellStyle.arrowFill.red, cellStyle.arrowFill.green, cellStyle.arrowFill.blue));
    painter->setPen(QPen(colourOf(palette, cellStyle.arrowOutline), 1));
    painter->drawPolygon(arrow);
  }
  painter->restore();
}

}  // namespace quenchel
