#pragma once

#include "stores/ZorvoRefMgr.h"
#include "ui/CheckListPage.h"
#include "ui/Oneref.h"

// Every reference item, to add, edit or delete.
class TfmRef : public TfmRecordList<ZorvoRefMgr, TfmOneRef> {
  Q_OBJECT

 public:
  TfmRef(TfmMain& main, Globals& globals);

 protected:
  QStringList cells(const RefItem& item) override;
};
