#pragma once

#include "stores/ZorvoInboxItemMgr.h"
#include "ui/RecordEditor.h"

class QComboBox;

// The editor of one inbox item: its description and notes, its processing status (shown only)
// and when it was made and changed; it can hand the item straight to processing.
class TfmOneItem : public TfmRecordEditor<ZorvoInboxItemMgr> {
  Q_OBJECT

 public:
  TfmOneItem(Navigator& nav, ZorvoInboxItemMgr& inbox);

 protected:
  void fill(InboxItem& item) override;
  void enable_own_controls(bool enabled) override;

 private:
  void process_now();

  QComboBox* cbStatus;
  QPushButton* btnProcess;
};
