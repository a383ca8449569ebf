#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <functional>
#include <vector>

// The rows of a list: each row refers to a record that its store owns (nothing is copied) and,
// in a list with check boxes, carries its tick. A row's texts and colour come from its record
// when the view asks for them, so a list of any length fills at the cost of one pointer a row,
// and a cell the page rewrites is shown afresh alone.
class RecordListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The text of one cell of a record's row.
  using CellText = std::function<QString(const void* record, int column)>;
  // The text colour of a record's row; an invalid colour leaves the view's own.
  using RowColor = std::function<QColor(const void* record)>;

  RecordListModel(QStringList titles, bool check_boxes, CellText cell, QObject* parent);
  void set_row_color(RowColor color) { m_color = std::move(color); }

  // The list shows these records, in this order, none of them ticked.
  void set_records(std::vector<void*> records);
  // A record that its store removes leaves the list at once (none: every record).
  void forget(const void* record);
  // Has the view show one cell afresh.
  void update_cell(int row, int column);

  int count() const { return static_cast<int>(m_records.size()); }
  void* record(int row) const;
  // The row of a record; -1 when it is not listed.
  int row_of(const void* record) const;

  bool has_check_boxes() const { return m_check_boxes; }
  bool is_ticked(int row) const;
  void set_ticked(int row, bool ticked);
  void set_all_ticked(bool ticked);
  int ticked_count() const { return m_ticked_count; }
  std::vector<void*> ticked_records() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 signals:
  // A tick was set or cleared, or the rows changed.
  void ticks_changed();

 private:
  QStringList m_titles;
  bool m_check_boxes;
  CellText m_cell;
  RowColor m_color;
  std::vector<void*> m_records;
  std::vector<bool> m_ticked;
  int m_ticked_count = 0;
};
