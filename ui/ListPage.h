#pragma once

#include <QString>
#include <vector>

#include "app/Apputil.h"
#include "ui/Navigator.h"
#include "ui/Page.h"
#include "ui/RecordListView.h"

class QAction;
class QBoxLayout;
class QMenu;
class QPushButton;

// The standard buttons of a list page, each with its popup-menu entry.
enum ListButton : int {
  kSelectAll = 1,
  kClear = 2,
  kAdd = 4,
  kDetails = 8,
  kDelete = 16,
  kAllListButtons = 31,
};

// What sets one list page apart from the others: all data.
struct ListPageInfo {
  const char* form_class;
  const char* title;      // the page heading
  const char* list_name;  // the list control
  std::vector<RecordListView::Column> columns;
  const char* details_caption;  // "Properties" or "Details"
  const char* menu_add;
  const char* menu_details;
  const char* menu_delete;
  // The delete question, filled with the count and the singular or plural word.
  const char* question;
  const char* one;
  const char* many;
  int date_column = -1;  // a column of date-and-time texts, widened to show them whole
  int buttons = kAllListButtons;
  bool check_boxes = true;
};

// A page around one list of records: Select All, Clear, Add, Details and Delete of the ticked
// rows (those of them the page has), a popup menu that mirrors the buttons, one enabling rule,
// and the keyboard (Space ticks the selected row, Enter opens it, Delete deletes the ticked
// ones). A page can put controls of its own above the list and buttons of its own after the
// standard ones. Each row refers to its record; a record that its store removes leaves the list
// at once, so no row ever refers to a freed record.
class TfmListPage : public TfmPage {
  Q_OBJECT

 public:
  TfmListPage(Navigator& nav, const Settings& settings, const ListPageInfo& info);

  // Filling rebuilds the list; leaving is never refused.
  bool sync(bool commit) override;

 protected:
  // The records to list, in order.
  virtual std::vector<void*> records_to_list() = 0;
  virtual QString cell_text(const void* record, int column) const = 0;
  // Add and Details: open the editor on a new record, or on `record`.
  virtual void add_new() {}
  virtual void open(void* record) = 0;
  virtual void remove_records(const std::vector<void*>& records) { (void)records; }

  void refill();
  // Puts the page's own controls between the heading and the list.
  void add_above_list(QLayout* controls);
  // Adds a button after the standard ones, and its menu entry after a separator (or right
  // after the entry before it, in the same group).
  QPushButton* add_extra_button(const char* name, const QString& caption, const char* menu_name,
                                const QString& menu_caption, bool new_menu_group = true);
  // Applies the enabling rule; pages with buttons of their own extend it.
  virtual void update_buttons();

  RecordListModel& rows() const { return m_list->rows(); }
  void* selected_record() const { return m_list->selected_record(); }

  const Settings& m_settings;
  RecordListView* m_list;
  QPushButton* btnSelAll = nullptr;
  QPushButton* btnClear = nullptr;
  QPushButton* btnAdd = nullptr;
  QPushButton* btnProp = nullptr;
  QPushButton* btnDelete = nullptr;
  QMenu* pmAction;

 private:
  void delete_ticked();
  void details();

  const ListPageInfo& m_info;
  QAction* pmiSelAll = nullptr;
  QAction* pmiClear = nullptr;
  QAction* pmiProp = nullptr;
  QAction* pmiDelete = nullptr;
  QBoxLayout* m_page;
  QBoxLayout* m_buttons;
};

// The list of one store's records, whose Add and Details open the editor page `editor_id`,
// which comes back to this page, `own_id`.
template <class Store>
class TfmRecordList : public TfmListPage {
 public:
  using Record = typename Store::Record;

  TfmRecordList(Navigator& nav, const Settings& settings, const ListPageInfo& info, Store& store,
                int32_t own_id, int32_t editor_id)
      : TfmListPage(nav, settings, info), m_store(store), m_own_id(own_id), m_editor_id(editor_id) {
    m_removals = store.listen_removal([this](const Record* r) { rows().forget(r); });
  }

 protected:
  // Whether a record has a row.
  virtual bool listed(const Record&) const { return true; }
  virtual QString cell(const Record& record, int column) const = 0;

  std::vector<void*> records_to_list() override {
    std::vector<void*> listed_records;
    for (Record* r : m_store.records())
      if (listed(*r)) listed_records.push_back(r);
    return listed_records;
  }
  QString cell_text(const void* record, int column) const override {
    return cell(*static_cast<const Record*>(record), column);
  }
  void add_new() override { m_nav.open_editor(m_editor_id, m_store.create(), m_own_id); }
  void open(void* record) override {
    m_nav.open_editor(m_editor_id, static_cast<Record*>(record), m_own_id);
  }
  void remove_records(const std::vector<void*>& records) override {
    for (void* r : records) m_store.remove(static_cast<Record*>(r));
  }
  Record* selected() const { return static_cast<Record*>(selected_record()); }

  Store& m_store;

 private:
  int32_t m_own_id;
  int32_t m_editor_id;
  typename Store::Removals::Subscription m_removals;
};
