// The Qt side of the grids: the table model over a Grid, the common cell painter and the
// grid view. Set QUENCHEL_SCREENSHOT_DIR to write the view's picture there as grid.png.

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QStyleOptionViewItem>
#include <QtTest>

#include "platform/scripted_dialogs.h"
#include "print/font_text_measure.h"
#include "print/grid.h"
#include "print/grid_cell_delegate.h"
#include "print/grid_sort.h"
#include "print/grid_table_model.h"
#include "print/grid_utils.h"
#include "print/grid_view.h"

namespace quenchel {

namespace {

// A competitor list as a window shows it: numbers in column 0, a heading row, a column of
// check boxes.
Grid CompetitorGrid() {
  const char* rows[][5] = {
      {"No.", "Competitor", "Team", "Paid", "Score"},
      {"1", "Aidan Byrne", "Kildare", "", "71.5"},
      {"2", "Beth Caldwell", "Devon", "", "68"},
      {"3", "Ciar\xE1n Doyle", "Wexford", "", "80.25"},
      {"4", "Dafydd Evans", "Powys", "", "74"},
      {"5", "Eilidh Fraser", "Fife", "", "69.5"},
      {"6", "Fergus Grant", "Moray", "", "77"},
  };
  Grid grid(5, 7);
  grid.SetName("CompetitorGrid");
  for (int r = 0; r < 7; ++r)
    for (int c = 0; c < 5; ++c) grid.SetCell(c, r, rows[r][c]);
  for (int r = 1; r < 7; ++r) SetCellCheckBox(grid, 3, r, true, r % 3 != 0);
  return grid;
}

// Colours compared as 8-bit RGB: palette colours may carry finer channels.
QRgb PixelAt(const QImage& image, QPoint point) { return image.pixel(point) | 0xFF000000u; }

int CountPixels(const QImage& image, const QRect& area, const QColor& colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if ((image.pixel(x, y) | 0xFF000000u) == colour.rgb()) ++count;
  return count;
}

}  // namespace

class GridViewTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void modelShowsTextsAndCheckStates() {
    Grid grid = CompetitorGrid();
    GridTableModel model(grid);
    QCOMPARE(model.rowCount(), 7);
    QCOMPARE(model.columnCount(), 5);
    QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("Competitor"));
    QCOMPARE(model.data(model.index(3, 1)).toString(), QStringLiteral("Ciar\u00E1n Doyle"));
    QCOMPARE(model.data(model.index(1, 3), Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    QCOMPARE(model.data(model.index(3, 3), Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
    QVERIFY(!model.data(model.index(1, 2), Qt::CheckStateRole).isValid());
    QVERIFY(!model.data(model.index(0, 3), Qt::CheckStateRole).isValid());  // heading tags are state
    QVERIFY(model.flags(model.index(2, 3)).testFlag(Qt::ItemIsUserCheckable));
    QVERIFY(!model.flags(model.index(2, 2)).testFlag(Qt::ItemIsUserCheckable));

    model.setColumnAlignment(4, 2);
    const auto alignment = [&](int row, int column) {
      return model.data(model.index(row, column), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
    };
    QCOMPARE(alignment(1, 4), Qt::Alignment(Qt::AlignRight));
    QCOMPARE(alignment(0, 4), Qt::Alignment(Qt::AlignLeft));  // row 0 always left
    QCOMPARE(alignment(1, 1), Qt::Alignment(Qt::AlignLeft));
    QCOMPARE(model.columnAlignment(4), 2);
  }

  void refreshTellsTheViewsWhatChanged() {
    Grid grid = CompetitorGrid();
    GridTableModel model(grid);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);

    SetCellChecked(grid, 3, 3, true);
    grid.SetCell(1, 2, "Beth Cald\xE9");
    model.refresh();
    QCOMPARE(resets.count(), 0);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toModelIndex(), model.index(0, 0));
    QCOMPARE(changes.at(0).at(1).toModelIndex(), model.index(6, 4));
    QCOMPARE(model.data(model.index(3, 3), Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    QCOMPARE(model.data(model.index(2, 1)).toString(), QStringLiteral("Beth Cald\u00E9"));

    InsertGridRow(grid, 2);
    model.refresh();
    QCOMPARE(resets.count(), 1);
    QCOMPARE(model.rowCount(), 8);
    QCOMPARE(model.data(model.index(3, 1)).toString(), QStringLiteral("Beth Cald\u00E9"));

    grid.SetColCount(2);
    model.refresh();
    QCOMPARE(resets.count(), 2);
    QCOMPARE(model.columnCount(), 2);
  }

  void delegatePaintsEveryCellIntoAnImage() {
    Grid grid = CompetitorGrid();
    MarkRow(grid, 4, true);
    SortGridColumn(grid, 1, "D", true, true, dialogs_);
    ShowSortArrow(grid, true);
    GridTableModel model(grid);
    model.setColumnAlignment(4, 2);
    GridCellDelegate delegate;
    delegate.setGridFont(QApplication::font());

    constexpr int kWidth = 90;
    constexpr int kHeight = 24;
    QImage image(5 * kWidth, 7 * kHeight, QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    const QPalette palette = QApplication::palette();
    {
      QPainter painter(&image);
      for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 5; ++c) {
          QStyleOptionViewItem option;
          option.rect = QRect(c * kWidth, r * kHeight, kWidth, kHeight);
          option.palette = palette;
          option.state = QStyle::State_Enabled | QStyle::State_Selected | QStyle::State_HasFocus;
          delegate.paint(&painter, option, model.index(r, c));
        }
      }
    }
    // The sorted names run A to Z; the marked row is highlighted, selection is not shown.
    QCOMPARE(QString::fromLatin1(grid.Cell(1, 1).data(), 5), QStringLiteral("Aidan"));
    const auto colour = [&](CellColourRole role) { return GridCellDelegate::colourOf(palette, role).rgb(); };
    QCOMPARE(PixelAt(image, {2 * kWidth + 80, 4 * kHeight + 3}), colour(CellColourRole::Highlight));
    QCOMPARE(PixelAt(image, {2 * kWidth + 80, 1 * kHeight + 3}), colour(CellColourRole::InfoBackground));
    QCOMPARE(PixelAt(image, {2 * kWidth + 80, 2 * kHeight + 3}), colour(CellColourRole::ThreeDLight));
    // Fixed cells (row 0, column 0): the button face inside a raised frame.
    QCOMPARE(PixelAt(image, {kWidth - 3, 2 * kHeight + 3}), colour(CellColourRole::FixedBackground));
    QCOMPARE(PixelAt(image, {kWidth + 40, 0}), colour(CellColourRole::ButtonHighlight));
    QCOMPARE(PixelAt(image, {kWidth + 40, kHeight - 1}), colour(CellColourRole::ButtonShadow));
    // The red arrow in the sort column's heading cell (q = 6, m = 12, x0 = 7 from its left).
    QCOMPARE(PixelAt(image, {kWidth + 7, 12}), qRgb(255, 2, 5));
    QVERIFY(CountPixels(image, QRect(kWidth, 0, kWidth, kHeight), QColor(255, 2, 5)) > 20);
    QCOMPARE(CountPixels(image, QRect(2 * kWidth, 0, kWidth, kHeight), QColor(255, 2, 5)), 0);
    // Nothing of the background is left: every cell was filled.
    QCOMPARE(CountPixels(image, image.rect(), QColor(Qt::magenta)), 0);
  }

  void viewTakesWidthsFromTheGrid() {
    Grid grid = CompetitorGrid();
    grid.SetName("ScoreGrid");
    GridView view(grid);
    view.resize(520, 240);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.fitColumnWidths();
    QVERIFY(view.isColumnHidden(1));
    QVERIFY(!view.isColumnHidden(2));
    QCOMPARE(view.columnWidth(2), grid.ColWidth(2));
    const FontTextMeasure measure(view.font());
    QVERIFY(grid.ColWidth(2) >= measure.TextWidth("Wexford") + 1);
    QCOMPARE(grid.ClientWidth(), view.viewport()->width());
    QVERIFY(view.horizontalHeader()->isHidden());
    QVERIFY(view.verticalHeader()->isHidden());

    grid.SetName("");
    grid.SetColWidth(1, 120);
    view.refresh();
    QVERIFY(!view.isColumnHidden(1));
    QCOMPARE(view.columnWidth(1), 120);
  }

  void editorGoesOverTheCell() {
    QWidget panel;
    Grid grid = CompetitorGrid();
    auto* view = new GridView(grid, &panel);
    view->setGeometry(30, 50, 400, 200);
    auto* editor = new QWidget(&panel);
    view->placeOverCell(*editor, 2, 3);
    const QRect cell = view->visualRect(view->model()->index(3, 2));
    QCOMPARE(editor->geometry(), QRect(cell.x() + 30 + 2, cell.y() + 2, cell.width(), cell.height()));
  }

  void screenshotOfAGridView() {
    Grid grid = CompetitorGrid();
    SortGridColumn(grid, 4, "D", false, true, dialogs_);
    ShowSortArrow(grid, true);
    MarkRow(grid, 3, true);
    GridView view(grid);
    view.setColumnAlignment(4, 2);
    view.resize(560, 7 * view.rowHeight() + 2 * view.frameWidth());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.fitColumnWidths();
    const QPixmap picture = view.grab();
    const QImage image = picture.toImage();
    QVERIFY(!image.isNull());
    const QByteArray folder = qgetenv("QUENCHEL_SCREENSHOT_DIR");
    if (!folder.isEmpty()) QVERIFY(picture.save(QString::fromLocal8Bit(folder) + QStringLiteral("/grid.png")));
    // The arrow is a quarter of the row height on each side of its point.
    QVERIFY(CountPixels(image, image.rect(), QColor(255, 2, 5)) > 5);
    QVERIFY(CountPixels(image, image.rect(), view.palette().color(QPalette::Highlight)) > 1000);
  }

 private:
  ScriptedDialogs dialogs_;
};

}  // namespace quenchel

QTEST_MAIN(quenchel::GridViewTest)
#include "grid_view_test.moc"
