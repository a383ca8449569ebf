#pragma once

#include "stores/ZorvoActionMgr.h"
#include "stores/ZorvoInboxItemMgr.h"
#include "stores/ZorvoProjectMgr.h"
#include "ui/Page.h"

class LinkLabel;

// The start page: the five stages of the workflow as buttons, and a summary of what waits.
class TfmHome : public TfmPage {
  Q_OBJECT

 public:
  TfmHome(Navigator& nav, const ZorvoInboxItemMgr& inbox, const ZorvoProjectMgr& projects,
          const ZorvoActionMgr& actions);
  bool sync(bool commit) override;

 private:
  LinkLabel* lblInboxNum;
  LinkLabel* lblNumProjects;
  LinkLabel* lblNumActions;
  LinkLabel* lblCurAction;
  const ZorvoInboxItemMgr& m_inbox;
  const ZorvoProjectMgr& m_projects;
  const ZorvoActionMgr& m_actions;
};
