#include "ui/Inbox.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

#include "ui/ListCells.h"
#include "ui/PageIds.h"

namespace {

const ListPageInfo kInfo{
    "TfmInbox",
    "Collect Stuff to Inbox:",
    "lvItem",
    {{"Description", 220}, {"Update Time", 120}, {"Status", 100}, {"Notes", 260}},
    "Properties",
    "Add Item",
    "Item Properties",
    "Delete Item",
    "Are you sure to delete the %d selected inbox %s?",
    "item",
    "items",
    1,
};

}  // namespace

TfmInbox::TfmInbox(Navigator& nav, ZorvoInboxItemMgr& inbox, const Settings& settings)
    : TfmRecordList(nav, settings, kInfo, inbox, kPageInbox, kPageOneItem) {
  btnProcess = add_extra_button("btnProcess", "Process Now", "pmiProcess", "Process Now");
  QFont bold = btnProcess->font();
  bold.setBold(true);
  btnProcess->setFont(bold);
  QPalette blue = btnProcess->palette();
  blue.setColor(QPalette::ButtonText, QColor(0, 0, 0xCC));
  btnProcess->setPalette(blue);
  connect(btnProcess, &QPushButton::clicked, this, &TfmInbox::process_now);
}

bool TfmInbox::listed(const InboxItem& item) const {
  return item.process_status != kProcessed;
}

QString TfmInbox::cell(const InboxItem& item, int column) const {
  switch (column) {
    case 0:
      return cells::one_line(item.name.view());
    case 1:
      return cells::date_time(item.modified);
    case 2:
      return item.process_status == kProcessing ? QStringLiteral("Processing")
                                                : QStringLiteral("Not Processed");
    default:
      return cells::one_line(item.notes.view());
  }
}

void TfmInbox::update_buttons() {
  TfmRecordList::update_buttons();
  const bool selected = selected_record() != nullptr;
  btnProcess->setEnabled(selected);
  pmAction->findChild<QAction*>("pmiProcess")->setEnabled(selected);
}

void TfmInbox::process_now() {
  if (InboxItem* item = selected()) m_nav.show_with(kPageProcess, item, true);
}
