#pragma once
// The table view every grid window shows its Grid in: no native headers (row 0 is the
// grid's heading row, painted as fixed by the delegate), column widths from the Grid, and
// the common cell painter for every cell. The window's form model changes the Grid; the
// window then calls refresh() (or fitColumnWidths(), which fits and refreshes).

#include <QTableView>

namespace quenchel {

class Grid;
class GridCellDelegate;
class GridTableModel;

class GridView final : public QTableView {
  Q_OBJECT

 public:
  explicit GridView(Grid& grid, QWidget* parent = nullptr);

  Grid& grid() const noexcept { return grid_; }
  GridTableModel& gridModel() const noexcept { return *model_; }
  GridCellDelegate& cellDelegate() const noexcept { return *delegate_; }

  // Shows the grid as it now is: its rows, columns, texts, check boxes, state and widths.
  void refresh();
  // FitColumnWidths in the view's font, with the viewport as the client width.
  void fitColumnWidths();
  // The same, measuring every text in bold and with room for the cell painter's insets
  // on both sides, so that no heading or value is cut (the results tables).
  void fitColumnWidthsToWholeTexts();
  // The cell painter's alignment of a column: 0 left, 1 centred, 2 right.
  void setColumnAlignment(int column, int alignment);
  // Puts an editing control (a sibling of the view) over a cell, as PlaceOverCell says.
  void placeOverCell(QWidget& editor, int column, int row) const;

  // The height of every row: the font's height with room for a check box and insets.
  int rowHeight() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void ApplyFont();
  void ApplyColumnWidths();

  Grid& grid_;
  GridTableModel* model_;
  GridCellDelegate* delegate_;
};

}  // namespace quenchel
