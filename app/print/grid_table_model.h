#pragma once
// One table model for every grid of the program: a view of a core Grid, row 0 (the
// heading row) included as an ordinary row, which the delegate draws as fixed. The model
// never changes the grid; after core code has changed it, the window calls refresh().

#include <QAbstractTableModel>
#include <vector>

namespace quenchel {

class Grid;

class GridTableModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit GridTableModel(Grid& grid, QObject* parent = nullptr);

  Grid& grid() const noexcept { return grid_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  // Display and edit: the cell's text; check state: for cells whose tag shows a check
  // box; text alignment: the column's (see setColumnAlignment).
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The cell painter's alignment for a column: 0 left (the default), 1 centred, 2 right.
  void setColumnAlignment(int column, int alignment);
  int columnAlignment(int column) const;

  // Tells the views what changed in the grid since the last refresh: a reset when its
  // row or column count changed, otherwise every cell's data (texts, check boxes and
  // the state tags the delegate reads).
  void refresh();

 private:
  Grid& grid_;
  int rows_ = 0;
  int columns_ = 0;
  std::vector<int> alignments_;
};

}  // namespace quenchel
