#pragma once

#include "stores/ZorvoCtxMgr.h"
#include "ui/CheckListPage.h"
#include "ui/Onecontext.h"

// Every context, to add, edit or delete.
class TfmContext : public TfmRecordList<ZorvoCtxMgr, TfmOneContext> {
  Q_OBJECT

 public:
  TfmContext(TfmMain& main, Globals& globals);

 protected:
  QStringList cells(const Context& context) override;
};
