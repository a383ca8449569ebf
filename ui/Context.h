#pragma once

#include "stores/ZorvoCtxMgr.h"
#include "ui/ListPage.h"

// Every context, to add, edit or delete.
class TfmContext : public TfmRecordList<ZorvoCtxMgr> {
  Q_OBJECT

 public:
  TfmContext(Navigator& nav, ZorvoCtxMgr& contexts, const Settings& settings);

 protected:
  QString cell(const Context& context, int column) const override;
};
