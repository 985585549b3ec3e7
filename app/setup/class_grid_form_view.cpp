#include "setup/class_grid_form_view.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "platform/text_codec.h"
#include "print/grid_cell_delegate.h"
#include "print/grid_cell_style.h"
#include "print/grid_table_model.h"
#include "print/grid_view.h"
#include "setup/class_grid_form.h"
#include "shell/dialog_parts.h"

namespace quenchel {

namespace {

// The common cell painter, except that the selected row is drawn highlighted: a grid of
// one column has no heading cell to keep a marked row in.
class SelectedRowDelegate final : public QStyledItemDelegate {
 public:
  SelectedRowDelegate(const GridCellDelegate& cells, QObject* parent) : QStyledItemDelegate(parent), cells_(cells) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (!(option.state & QStyle::State_Selected) || index.row() == 0) {
      cells_.paint(painter, option, index);
      return;
    }
    // Where the common painter would put the text, so that the row does not shift.
    const auto* model = qobject_cast<const GridTableModel*>(index.model());
    const QRect cell = option.rect;
    const CellStyle style = DrawGridCellStyle(model->grid(), index.column(), index.row(),
                                              Rect{cell.x(), cell.y(), cell.width(), cell.height()}, false, 0, 0, 0);
    painter->save();
    painter->fillRect(cell, GridCellDelegate::colourOf(option.palette, CellColourRole::Highlight));
    painter->setFont(cells_.gridFont());
    painter->setPen(GridCellDelegate::colourOf(option.palette, CellColourRole::HighlightText));
    painter->drawText(QRect(style.textRect.left, style.textRect.top, style.textRect.width, style.textRect.height),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, index.data(Qt::DisplayRole).toString());
    painter->restore();
  }

 private:
  const GridCellDelegate& cells_;
};

}  // namespace

ClassGridFormView::ClassGridFormView(TClassGridForm& model, QWidget* parent)
    : ModelDialog(parent), model_(model) {
  setWindowTitle(FromCellText(TClassGridForm::kCaption));
  auto* layout = new QVBoxLayout(this);

  grid_ = new GridView(model_.ClassGrid(), this);
  grid_->horizontalHeader()->setStretchLastSection(true);
  // The table's selection shows the model's selected row; clicks go to the model.
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setFocusPolicy(Qt::NoFocus);
  grid_->setItemDelegateForColumn(0, new SelectedRowDelegate(grid_->cellDelegate(), grid_));
  grid_->viewport()->installEventFilter(this);
  layout->addWidget(grid_, 1);

  auto* buttons = new QDialogButtonBox(this);
  add_ = AddButton(*buttons, FromCellText(TClassGridForm::kAddButton), QDialogButtonBox::ActionRole);
  edit_ = AddButton(*buttons, FromCellText(TClassGridForm::kEditButton), QDialogButtonBox::ActionRole);
  delete_ = AddButton(*buttons, FromCellText(TClassGridForm::kDeleteButton), QDialogButtonBox::ActionRole);
  QPushButton* close = AddButton(*buttons, FromCellText(TClassGridForm::kCloseButton), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);

  connect(add_, &QPushButton::clicked, this, [this] { Forward([this] { model_.AddClick(); }); });
  connect(edit_, &QPushButton::clicked, this, [this] { Forward([this] { model_.EditClick(); }); });
  connect(delete_, &QPushButton::clicked, this, [this] { Forward([this] { model_.DeleteClick(); }); });
  connect(close, &QPushButton::clicked, this, [this] { Finish(model_.CloseClick()); });

  const QFontMetrics metrics = fontMetrics();
  resize(metrics.averageCharWidth() * 60, metrics.height() * 24);
}

void ClassGridFormView::Opening() {
  Forward([this] { model_.FormActivate(); });
}

bool ClassGridFormView::eventFilter(QObject* watched, QEvent* event) {
  if (watched != grid_->viewport()) return ModelDialog::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonPress) {
    const QModelIndex index = grid_->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    Forward([&] { model_.ClassGridMouseDown(index.isValid() ? std::optional<int>(index.row()) : std::nullopt); });
    return true;
  }
  if (event->type() == QEvent::MouseButtonDblClick) {
    Forward([this] { model_.ClassGridDblClick(); });
    return true;
  }
  return ModelDialog::eventFilter(watched, event);
}

void ClassGridFormView::Forward(const std::function<void()>& event) {
  model_.SetGridClientWidth(grid_->viewport()->width());
  event();
  ShowModelState();
}

void ClassGridFormView::ShowModelState() {
  grid_->refresh();
  grid_->verticalHeader()->resizeSection(0, grid_->rowHeight() * TClassGridForm::kHeadingRowHeight /
                                                TClassGridForm::kDefaultRowHeight);
  grid_->setVisible(model_.GridVisible());
  add_->setEnabled(model_.AddEnabled());
  edit_->setEnabled(model_.EditEnabled());
  delete_->setEnabled(model_.DeleteEnabled());

  QItemSelectionModel* selection = grid_->selectionModel();
  const int row = model_.SelectedRow();
  if (row > 0)
    selection->select(grid_->gridModel().index(row, 0),
                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  else
    selection->clearSelection();
}

}  // namespace quenchel
