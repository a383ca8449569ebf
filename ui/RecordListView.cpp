#include "ui/RecordListView.h"

#include <QHeaderView>

#include "ui/Widgets.h"

namespace {

QStringList titles_of(const std::vector<RecordListView::Column>& columns) {
  QStringList titles;
  for (const auto& c : columns) titles << c.title;
  return titles;
}

}  // namespace

RecordListView::RecordListView(const char* name, const std::vector<Column>& columns,
                               bool check_boxes, RecordListModel::CellText cell, QWidget* parent)
    : QTreeView(parent),
      m_rows(new RecordListModel(titles_of(columns), check_boxes, std::move(cell), this)) {
  setObjectName(name);
  setModel(m_rows);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setContextMenuPolicy(Qt::CustomContextMenu);
  for (int c = 0; c < static_cast<int>(columns.size()); ++c)
    setColumnWidth(c, columns[static_cast<std::size_t>(c)].width);
  header()->setStretchLastSection(true);
  keep_selection_visible(this);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &RecordListView::selection_changed);
  connect(m_rows, &QAbstractItemModel::modelReset, this, &RecordListView::selection_changed);
}

int RecordListView::selected_row() const {
  QModelIndexList rows = selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void RecordListView::select_row(int row) {
  if (row < 0 || row >= m_rows->count()) {
    clearSelection();
    return;
  }
  setCurrentIndex(m_rows->index(row, 0));
}

void RecordListView::fit_date_column(int column) {
  fit_column(column, "00/00/0000 00:00:00");
}

void RecordListView::fit_column(int column, const QString& widest) {
  // The widths suit a small font; a text must never be cut, whatever font the desktop uses.
  int needed = fontMetrics().horizontalAdvance(widest) + 14;
  setColumnWidth(column, std::max(columnWidth(column), needed));
}

void RecordListView::dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                                 const QList<int>& roles) {
  // One text rewritten (a running clock, once a second): every row has the same height and a
  // text never changes it, so the cell is repainted without working out the row's size afresh,
  // which would lay out the text of every cell of the row.
  if (top_left == bottom_right && roles == QList<int>{Qt::DisplayRole}) {
    QAbstractItemView::dataChanged(top_left, bottom_right, roles);
    return;
  }
  QTreeView::dataChanged(top_left, bottom_right, roles);
}
