#pragma once

#include "stores/ZorvoCtxMgr.h"
#include "stores/ZorvoSomedayMgr.h"
#include "ui/ListPage.h"

// Every someday/maybe item, to add, edit or delete.
class TfmSomeday : public TfmRecordList<ZorvoSomedayMgr> {
  Q_OBJECT

 public:
  TfmSomeday(Navigator& nav, ZorvoSomedayMgr& someday, const ZorvoCtxMgr& contexts,
             const Settings& settings);

 protected:
  QString cell(const SomedayItem& item, int column) const override;

 private:
  const ZorvoCtxMgr& m_contexts;
};
