#include "ui/RecordListModel.h"

#include <algorithm>

RecordListModel::RecordListModel(QStringList titles, bool check_boxes, CellText cell,
                                 QObject* parent)
    : QAbstractTableModel(parent),
      m_titles(std::move(titles)),
      m_check_boxes(check_boxes),
      m_cell(std::move(cell)) {}

void RecordListModel::set_records(std::vector<void*> records) {
  beginResetModel();
  m_records = std::move(records);
  m_ticked.assign(m_records.size(), false);
  m_ticked_count = 0;
  endResetModel();
  emit ticks_changed();
}

void RecordListModel::forget(const void* record) {
  if (!record) {
    if (!m_records.empty()) set_records({});
    return;
  }
  const int row = row_of(record);
  if (row < 0) return;
  beginRemoveRows({}, row, row);
  if (m_ticked[static_cast<std::size_t>(row)]) --m_ticked_count;
  m_records.erase(m_records.begin() + row);
  m_ticked.erase(m_ticked.begin() + row);
  endRemoveRows();
  emit ticks_changed();
}

void RecordListModel::update_cell(int row, int column) {
  if (row < 0 || row >= count()) return;
  QModelIndex cell = index(row, column);
  emit dataChanged(cell, cell, {Qt::DisplayRole});
}

void* RecordListModel::record(int row) const {
  return row >= 0 && row < count() ? m_records[static_cast<std::size_t>(row)] : nullptr;
}

int RecordListModel::row_of(const void* record) const {
  auto it = std::find(m_records.begin(), m_records.end(), record);
  return it == m_records.end() ? -1 : static_cast<int>(it - m_records.begin());
}

bool RecordListModel::is_ticked(int row) const {
  return row >= 0 && row < count() && m_ticked[static_cast<std::size_t>(row)];
}

void RecordListModel::set_ticked(int row, bool ticked) {
  if (!m_check_boxes || row < 0 || row >= count() || is_ticked(row) == ticked) return;
  m_ticked[static_cast<std::size_t>(row)] = ticked;
  m_ticked_count += ticked ? 1 : -1;
  QModelIndex cell = index(row, 0);
  emit dataChanged(cell, cell, {Qt::CheckStateRole});
  emit ticks_changed();
}

void RecordListModel::set_all_ticked(bool ticked) {
  if (!m_check_boxes || m_records.empty()) return;
  m_ticked.assign(m_records.size(), ticked);
  m_ticked_count = ticked ? count() : 0;
  emit dataChanged(index(0, 0), index(count() - 1, 0), {Qt::CheckStateRole});
  emit ticks_changed();
}

std::vector<void*> RecordListModel::ticked_records() const {
  std::vector<void*> ticked;
  ticked.reserve(static_cast<std::size_t>(m_ticked_count));
  for (std::size_t i = 0; i < m_records.size(); ++i)
    if (m_ticked[i]) ticked.push_back(m_records[i]);
  return ticked;
}

int RecordListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : count();
}

int RecordListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_titles.size());
}

QVariant RecordListModel::data(const QModelIndex& index, int role) const {
  const void* r = record(index.row());
  if (!r) return {};
  switch (role) {
    case Qt::DisplayRole:
      return m_cell(r, index.column());
    case Qt::CheckStateRole:
      if (m_check_boxes && index.column() == 0)
        return is_ticked(index.row()) ? Qt::Checked : Qt::Unchecked;
      return {};
    case Qt::ForegroundRole:
      if (m_color) {
        QColor c = m_color(r);
        if (c.isValid()) return c;
      }
      return {};
    default:
      return {};
  }
}

bool RecordListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || index.column() != 0 || !m_check_boxes) return false;
  set_ticked(index.row(), value.toInt() == Qt::Checked);
  return true;
}

Qt::ItemFlags RecordListModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  if (m_check_boxes && index.column() == 0) f |= Qt::ItemIsUserCheckable;
  return f;
}

QVariant RecordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return section >= 0 && section < m_titles.size() ? QVariant(m_titles[section]) : QVariant();
}
