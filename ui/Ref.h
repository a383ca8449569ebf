#pragma once

#include "stores/ZorvoCtxMgr.h"
#include "stores/ZorvoRefMgr.h"
#include "ui/ListPage.h"

// Every reference item, to add, edit or delete.
class TfmRef : public TfmRecordList<ZorvoRefMgr> {
  Q_OBJECT

 public:
  TfmRef(Navigator& nav, ZorvoRefMgr& refs, const ZorvoCtxMgr& contexts, const Settings& settings);

 protected:
  QString cell(const RefItem& item, int column) const override;

 private:
  const ZorvoCtxMgr& m_contexts;
};
