#pragma once

#include "stores/InboxProcessing.h"
#include "ui/Page.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class RecordListView;

// Where each unprocessed inbox item is decided: actionable or not, and what it becomes (a next
// action, a project, the trash, the someday/maybe list or the reference material). The page
// records the decision in the item and opens the editors of the records it becomes; they come
// back here. The decision controls change the shown item in memory at once; moving away from
// it to another item completes the decision and marks the item changed.
class TfmPlan : public TfmPage, public TakesRecord<InboxItem> {
  Q_OBJECT

 public:
  TfmPlan(Navigator& nav, ZorvoInboxItemMgr& inbox, const ProcessingStores& stores);

  // Filling lists the unprocessed items and shows the current one; leaving commits nothing.
  bool sync(bool commit) override;
  // The item to show next, replacing the current one without committing it.
  void take_record(InboxItem* item) override { m_item = item; }
  InboxItem* current_item() const { return m_item; }

 private:
  void build();
  void connect_handlers();
  void selection_changed();
  void load();
  void commit();
  void reset();
  // The current item was removed from the inbox: it is dropped without being touched.
  void forget_item(const InboxItem* item);
  // Selects `button` and runs its handling, also when it was already selected.
  void select_and_run(QRadioButton* button);
  void run_handling(QRadioButton* button);
  void apply_tab_rule();
  void box_handling();
  void set_actionable(bool actionable);
  Outcome not_actionable_choice() const;

  ZorvoInboxItemMgr& m_inbox;
  ProcessingStores m_stores;
  InboxItem* m_item = nullptr;
  ZorvoInboxItemMgr::Removals::Subscription m_removals;

  RecordListView* lvItem;
  QLineEdit* edtDesc;
  QPushButton* btnItemEdit;
  QRadioButton* rbtnActionable;
  QRadioButton* rbtnNotActionable;
  QTabWidget* pDetail;
  QWidget* tActionable;
  QWidget* tNotActionable;
  QRadioButton* rbtnAction;
  QLineEdit* edtAction;
  QPushButton* btnActionEdit;
  QRadioButton* rbtnProject;
  QLineEdit* edtProject;
  QPushButton* btnProjectEdit;
  QRadioButton* rbtnTrash;
  QRadioButton* rbtnSomeday;
  QLineEdit* edtSomeday;
  QPushButton* btnSomedayEdit;
  QRadioButton* rbtnRef;
  QLineEdit* edtRef;
  QPushButton* btnRefEdit;
  QCheckBox* cbProcess;
};
