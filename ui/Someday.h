#pragma once

#include "stores/ZorvoSomedayMgr.h"
#include "ui/CheckListPage.h"
#include "ui/Onesomeday.h"

// Every someday/maybe item, to add, edit or delete.
class TfmSomeday : public TfmRecordList<ZorvoSomedayMgr, TfmOneSomeday> {
  Q_OBJECT

 public:
  TfmSomeday(TfmMain& main, Globals& globals);

 protected:
  QStringList cells(const SomedayItem& item) override;
};
