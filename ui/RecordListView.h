#pragma once

#include <QTreeView>
#include <utility>
#include <vector>

#include "ui/RecordListModel.h"

// Every list of records in the program: a report view over a RecordListModel, whole rows
// selected one at a time, read-only, the selection kept visible when the list loses the focus.
// The view owns its model.
class RecordListView : public QTreeView {
  Q_OBJECT

 public:
  struct Column {
    const char* title;
    int width;
  };

  RecordListView(const char* name, const std::vector<Column>& columns, bool check_boxes,
                 RecordListModel::CellText cell, QWidget* parent);

  RecordListModel& rows() const { return *m_rows; }
  // The selected row and its record; -1 and none without a selection.
  int selected_row() const;
  void* selected_record() const { return m_rows->record(selected_row()); }
  void select_row(int row);
  // Makes a column wide enough for a date-and-time text in the desktop's font.
  void fit_date_column(int column);
  // Makes a column wide enough for `widest`, the longest text it shows, in the desktop's font.
  void fit_column(int column, const QString& widest);

 signals:
  // The selected row changed (or the selection was cleared).
  void selection_changed();

 protected:
  void dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                   const QList<int>& roles = {}) override;

 private:
  RecordListModel* m_rows;
};
