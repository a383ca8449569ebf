#pragma once

#include <QTimer>

#include "stores/ActionRules.h"
#include "stores/ZorvoActionMgr.h"
#include "stores/ZorvoCtxMgr.h"
#include "stores/ZorvoProjectMgr.h"
#include "ui/ListPage.h"

class QAction;
class QButtonGroup;
class QComboBox;

// The do stage: the next actions under one of seven filters, each row coloured by its priority
// and state, to start, pause, complete, add, open and delete. The filter is kept in the
// settings. While the page is shown, the running action's "Ran Time" counts up once a second.
class TfmAction : public TfmRecordList<ZorvoActionMgr> {
  Q_OBJECT

 public:
  TfmAction(Navigator& nav, ZorvoActionMgr& actions, const ZorvoProjectMgr& projects,
            const ZorvoCtxMgr& contexts, Settings& settings);

  bool sync(bool commit) override;
  void set_page_visible(bool visible) override;
  // Once a second while the page is shown: the running row's "Ran Time" is shown afresh.
  void tmActionTimer();

 protected:
  bool listed(const Action& action) const override;
  QString cell(const Action& action, int column) const override;
  std::vector<void*> records_to_list() override;
  void update_buttons() override;

 private:
  void fill_filter_lists();
  // A filter's radio button was chosen (or set when the page is shown).
  void choose_filter(int mode);
  // The project of the filter, as chosen in its list; -1 when none is.
  int32_t chosen_project() const;
  QColor row_color(const Action& action) const;
  // Start, Pause or Complete on the selected action, then the list is filled afresh.
  void act_on_selected(void (*rule)(ZorvoActionMgr&, Action&, double));

  Settings& m_choice;
  const ZorvoProjectMgr& m_projects;
  const ZorvoCtxMgr& m_contexts;
  QButtonGroup* m_filters;
  QComboBox* cbProject;
  QComboBox* cbContext;
  QPushButton* btnStart;
  QPushButton* btnComplete;
  QAction* pmiStart;
  QAction* pmiComplete;
  QTimer tmAction;
  // The row of the running action, as the last fill found it; -1: not listed.
  int m_running_row = -1;
  // Filled and not yet left with commit: the timer runs whenever the page is in sight.
  bool m_counting = false;
};
