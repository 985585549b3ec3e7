#include "print/grid_view.h"

#include <QEvent>
#include <QHeaderView>
#include <QStyle>
#include <algorithm>

#include "print/font_text_measure.h"
#include "print/grid.h"
#include "print/grid_cell_delegate.h"
#include "print/grid_cell_style.h"
#include "print/grid_table_model.h"
#include "print/grid_utils.h"

namespace quenchel {

GridView::GridView(Grid& grid, QWidget* parent)
    : QTableView(parent), grid_(grid), model_(new GridTableModel(grid, this)), delegate_(new GridCellDelegate(this)) {
  setModel(model_);
  setItemDelegate(delegate_);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setMinimumSectionSize(0);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  ApplyFont();
  refresh();
}

void GridView::refresh() {
  model_->refresh();
  ApplyColumnWidths();
  viewport()->update();
}

void GridView::fitColumnWidths() {
  grid_.SetClientWidth(viewport()->width());
  FitColumnWidths(grid_, FontTextMeasure(font()));
  refresh();
}

namespace {

// Bold text plus the painter's side insets on both sides.
class WholeTextMeasure final : public TextMeasure {
 public:
  explicit WholeTextMeasure(const QFont& font) : bold_(Bold(font)) {}
  int TextWidth(std::string_view text) const override {
    return text.empty() ? 0 : bold_.TextWidth(text) + 2 * kGridTextSideInset;
  }

 private:
  static QFont Bold(QFont font) {
    font.setBold(true);
    return font;
  }
  FontTextMeasure bold_;
};

}  // namespace

void GridView::fitColumnWidthsToWholeTexts() {
  grid_.SetClientWidth(viewport()->width());
  FitColumnWidths(grid_, WholeTextMeasure(font()));
  refresh();
}

void GridView::setColumnAlignment(int column, int alignment) { model_->setColumnAlignment(column, alignment); }

void GridView::placeOverCell(QWidget& editor, int column, int row) const {
  const QRect cell = visualRect(model_->index(row, column));
  const Rect placed = PlaceOverCell(Rect{cell.x(), cell.y(), cell.width(), cell.height()}, x());
  editor.setGeometry(placed.left, placed.top, placed.width, placed.height);
}

int GridView::rowHeight() const {
  const int indicator = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
  return std::max(fontMetrics().height() + 8, indicator + 6);
}

void GridView::changeEvent(QEvent* event) {
  QTableView::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) ApplyFont();
}

void GridView::ApplyFont() {
  delegate_->setGridFont(font());
  verticalHeader()->setDefaultSectionSize(rowHeight());
  verticalHeader()->setMinimumSectionSize(0);
}

void GridView::ApplyColumnWidths() {
  for (int c = 0; c < grid_.ColCount(); ++c) {
    const int width = grid_.ColWidth(c);
    setColumnHidden(c, width <= 0);
    if (width > 0) setColumnWidth(c, width);
  }
}

}  // namespace quenchel
