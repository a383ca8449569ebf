#pragma once

#include "stores/ZorvoActionMgr.h"
#include "stores/ZorvoProjectMgr.h"
#include "ui/RecordEditor.h"

class RecordListView;

// The editor of one project: its description, desired outcome and notes, and the actions that
// are its steps, which it adds, opens in the action editor and deletes.
class TfmOneProject : public TfmRecordEditor<ZorvoProjectMgr> {
  Q_OBJECT

 public:
  TfmOneProject(Navigator& nav, ZorvoProjectMgr& projects, ZorvoActionMgr& actions);

 protected:
  void fill(Project& project) override;
  void take_input(Project& project) override;
  void enable_own_controls(bool enabled) override;

 private:
  void add_step();
  void modify_step();
  void delete_step();
  // The action editor is handed a step only when this page can be left.
  bool may_leave();
  void update_step_buttons();
  Action* selected_step() const;

  ZorvoActionMgr& m_actions;
  ZorvoActionMgr::Removals::Subscription m_removals;
  QLineEdit* edtOutcome;
  RecordListView* lvAction;
  QPushButton* btnAdd;
  QPushButton* btnModify;
  QPushButton* btnDelete;
};
