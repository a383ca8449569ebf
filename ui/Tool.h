#pragma once

#include "ui/Page.h"

// A menu page with four links: the options, the contexts, the someday/maybe list and the
// reference list.
class TfmTool : public TfmPage {
  Q_OBJECT

 public:
  TfmTool(TfmMain& main, Globals& globals);
  bool sync(bool) override { return true; }
};
