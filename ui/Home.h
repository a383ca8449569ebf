#pragma once

#include "ui/Page.h"

class LinkLabel;

// The start page: the five stages of the workflow as buttons, and a summary of what waits.
class TfmHome : public TfmPage {
  Q_OBJECT

 public:
  TfmHome(TfmMain& main, Globals& globals);
  bool sync(bool commit) override;

 private:
  LinkLabel* lblInboxNum;
  LinkLabel* lblNumProjects;
  LinkLabel* lblNumActions;
  LinkLabel* lblCurAction;
};
