#include "ui/Oneitem.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>

#include "ui/Navigator.h"
#include "ui/PageIds.h"

namespace {

const EditorInfo kInfo{"TfmOneItem", "Edit Inbox Item",
                       "Desc:", "The stuff name field can not be empty."};

}  // namespace

TfmOneItem::TfmOneItem(Navigator& nav, ZorvoInboxItemMgr& inbox)
    : TfmRecordEditor(nav, kInfo, inbox) {
  cbStatus = new QComboBox(this);
  cbStatus->setObjectName("cbStatus");
  cbStatus->addItems({"Not Processed", "Processing"});
  cbStatus->setEnabled(false);  // shown only: the Process page decides the status
  btnProcess = new QPushButton("Process Now", this);
  btnProcess->setObjectName("btnProcess");
  auto* status_row = new QHBoxLayout;
  status_row->addWidget(cbStatus);
  status_row->addSpacing(12);
  status_row->addWidget(btnProcess);
  status_row->addStretch();
  add_row(Place::AboveNotes, "Label5", "Status:", status_row);
  add_time_stamps("Label6");

  connect(btnProcess, &QPushButton::clicked, this, &TfmOneItem::process_now);
}

void TfmOneItem::fill(InboxItem& item) {
  cbStatus->setCurrentIndex(item.process_status == kProcessing ? 1 : 0);
}

void TfmOneItem::enable_own_controls(bool enabled) {
  btnProcess->setEnabled(enabled);
  if (!enabled) cbStatus->setCurrentIndex(-1);
}

void TfmOneItem::process_now() {
  if (!sync(true)) return;
  // The stored item (for a new one, the copy the commit just stored) goes to processing.
  m_nav.show_with(kPageProcess, record(), false);
}
