#pragma once

#include "ui/Page.h"

// A menu page with four links: the options, the contexts, the someday/maybe list and the
// reference list.
class TfmTool : public TfmPage {
  Q_OBJECT

 public:
  explicit TfmTool(Navigator& nav);
  bool sync(bool) override { return true; }
};
