#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <unordered_set>
#include <vector>

#include "app/Apputil.h"
#include "app/Main.h"
#include "ui/Page.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// What sets one check-box list page apart from the others: all data.
struct ListPageInfo {
  const char* form_class;
  const char* title;      // the page heading
  const char* list_name;  // the list control
  std::vector<std::pair<const char*, int>> columns;  // title and width
  const char* details_caption;                       // "Properties" or "Details"
  const char* menu_add;
  const char* menu_details;
  const char* menu_delete;
  // The delete question, filled with the count and the singular or plural word.
  const char* question;
  const char* one;
  const char* many;
  int date_column = -1;  // a column of date-and-time texts, widened to show them whole
};

// A page that lists records with a check box per row: Select All, Clear, Add, Properties and
// Delete of the ticked rows, a popup menu that mirrors the buttons, and one enabling rule. Each
// row refers to its record; a record that its store removes leaves the list at once, so no row
// ever refers to a freed record.
class TfmCheckList : public TfmPage {
  Q_OBJECT

 public:
  TfmCheckList(TfmMain& main, Globals& globals, const ListPageInfo& info);

  bool sync(bool commit) override;

 protected:
  // Lists the records: add_row for each, in store order.
  virtual void fill() = 0;
  // Opens the editor on a new record, or on `record`.
  virtual void add_new() = 0;
  virtual void open(void* record) = 0;
  virtual void remove_records(const std::vector<void*>& records) = 0;

  void add_row(const QStringList& cells, void* record);
  // A store removed `record` (none: every record of the store).
  void forget_record(const void* record);
  // The record of the selected row; none without one.
  void* selected_record() const;
  // Adds a button after Delete, and its menu entry after a separator (the Inbox's Process Now).
  QPushButton* add_extra_button(const char* name, const QString& caption, const char* menu_name,
                                const QString& menu_caption);
  // Applies the enabling rule; pages with extra buttons extend it.
  virtual void update_buttons();

  QTreeWidget* m_list;
  QPushButton* btnSelAll;
  QPushButton* btnClear;
  QPushButton* btnAdd;
  QPushButton* btnProp;
  QPushButton* btnDelete;
  QMenu* pmAction;

 private:
  void refill();
  void set_all_ticks(bool ticked);
  void delete_ticked();
  void details();

  const ListPageInfo& m_info;
  QList<QTreeWidgetItem*> m_new_rows;  // the rows of a refill, added in one go
  std::unordered_set<QTreeWidgetItem*> m_ticked;
  QAction* pmiSelAll;
  QAction* pmiClear;
  QAction* pmiProp;
  QAction* pmiDelete;
  QLayout* m_buttons;
};

// The check-box list of one store's records, whose Add and Properties open `Editor`, the
// page `editor_id`, which comes back to this page, `own_id`.
template <class Store, class Editor>
class TfmRecordList : public TfmCheckList {
 public:
  using Record = typename Store::Record;

  TfmRecordList(TfmMain& main, Globals& globals, const ListPageInfo& info, Store& store,
                int32_t own_id, int32_t editor_id)
      : TfmCheckList(main, globals, info), m_store(store), m_own_id(own_id), m_editor_id(editor_id) {
    m_token = store.listen_removal([this](const Record* r) { forget_record(r); });
  }
  ~TfmRecordList() override { m_store.unlisten_removal(m_token); }

 protected:
  // The cells of a record's row; a record that is not listed gives none.
  virtual QStringList cells(const Record& record) = 0;

  void fill() override {
    for (Record* r = m_store.first(); r; r = m_store.next()) {
      QStringList row = cells(*r);
      if (!row.isEmpty()) add_row(row, r);
    }
  }
  void remove_records(const std::vector<void*>& records) override {
    for (void* r : records) m_store.remove(static_cast<Record*>(r));
  }
  void add_new() override { open_editor(nullptr); }
  void open(void* record) override { open_editor(static_cast<Record*>(record)); }
  Record* selected() const { return static_cast<Record*>(selected_record()); }

  Store& m_store;

 private:
  void open_editor(Record* record) {
    auto* editor = dynamic_cast<Editor*>(m_main.page_by_id(m_editor_id));
    if (!editor) return;
    if (record)
      editor->edit_record(record);
    else
      editor->edit_new();
    editor->set_return_page(m_own_id);
    m_main.show_page(m_editor_id, true);
  }

  int32_t m_own_id;
  int32_t m_editor_id;
  int m_token;
};
