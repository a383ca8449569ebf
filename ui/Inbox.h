#pragma once

#include "stores/ZorvoInboxItemMgr.h"
#include "ui/ListPage.h"

// The inbox: every item not yet processed completely, to add, edit, delete or process.
class TfmInbox : public TfmRecordList<ZorvoInboxItemMgr> {
  Q_OBJECT

 public:
  TfmInbox(Navigator& nav, ZorvoInboxItemMgr& inbox, const Settings& settings);

 protected:
  bool listed(const InboxItem& item) const override;
  QString cell(const InboxItem& item, int column) const override;
  void update_buttons() override;

 private:
  void process_now();

  QPushButton* btnProcess;
};
