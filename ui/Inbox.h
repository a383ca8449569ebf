#pragma once

#include "stores/ZorvoInboxItemMgr.h"
#include "ui/CheckListPage.h"
#include "ui/Oneitem.h"

// The inbox: every item not yet processed completely, to add, edit, delete or process.
class TfmInbox : public TfmRecordList<ZorvoInboxItemMgr, TfmOneItem> {
  Q_OBJECT

 public:
  TfmInbox(TfmMain& main, Globals& globals);

 protected:
  QStringList cells(const InboxItem& item) override;
  void update_buttons() override;

 private:
  void process_now();

  QPushButton* btnProcess;
};
