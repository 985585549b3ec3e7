#include "print/grid_table_model.h"

#include "platform/text_codec.h"
#include "print/grid.h"
#include "print/grid_utils.h"

namespace quenchel {

GridTableModel::GridTableModel(Grid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), rows_(grid.RowCount()), columns_(grid.ColCount()) {}

int GridTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int GridTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int column = index.column();
  const int row = index.row();
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole:
      // A cell outside the grid (between a change and its refresh) reads empty.
      return FromCellText(grid_.Cell(column, row));
    case Qt::CheckStateRole:
      if (!CellHasCheckBox(grid_, column, row)) return {};
      return CellChecked(grid_, column, row) ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole: {
      const int alignment = row == 0 ? 0 : columnAlignment(column);
      const Qt::Alignment horizontal = alignment == 1 ? Qt::AlignHCenter : (alignment == 2 ? Qt::AlignRight : Qt::AlignLeft);
      return QVariant::fromValue(horizontal | Qt::AlignVCenter);
    }
    default:
      return {};
  }
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  // Shown as checkable for screen readers; the window's form model toggles the box.
  if (CellHasCheckBox(grid_, index.column(), index.row())) flags |= Qt::ItemIsUserCheckable;
  return flags;
}

void GridTableModel::setColumnAlignment(int column, int alignment) {
  if (column < 0) return;
  if (static_cast<std::size_t>(column) >= alignments_.size()) alignments_.resize(static_cast<std::size_t>(column) + 1, 0);
  alignments_[static_cast<std::size_t>(column)] = alignment;
  if (column < columns_ && rows_ > 0)
    Q_EMIT dataChanged(index(0, column), index(rows_ - 1, column), {Qt::TextAlignmentRole});
}

int GridTableModel::columnAlignment(int column) const {
  return column >= 0 && static_cast<std::size_t>(column) < alignments_.size() ? alignments_[static_cast<std::size_t>(column)] : 0;
}

void GridTableModel::refresh() {
  if (grid_.RowCount() != rows_ || grid_.ColCount() != columns_) {
    beginResetModel();
    rows_ = grid_.RowCount();
    columns_ = grid_.ColCount();
    endResetModel();
    return;
  }
  if (rows_ > 0 && columns_ > 0) Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
}

}  // namespace quenchel
