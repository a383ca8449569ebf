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

TfmInbox::TfmInbox(TfmMain& main, Globals& globals)
    : TfmRecordList(main, globals, kInfo, globals.inbox, kPageInbox, kPageOneItem) {
  btnProcess = add_extra_button("btnProcess", "Process Now", "pmiProcess", "Process Now");
  QFont bold = btnProcess->font();
  bold.setBold(true);
  btnProcess->setFont(bold);
  QPalette blue = btnProcess->palette();
  blue.setColor(QPalette::ButtonText, QColor(0, 0, 0xCC));
  btnProcess->setPalette(blue);
  connect(btnProcess, &QPushButton::clicked, this, &TfmInbox::process_now);
}

QStringList TfmInbox::cells(const InboxItem& item) {
  if (item.process_status == kProcessed) return {};
  static const QString processing = QStringLiteral("Processing");
  static const QString not_processed = QStringLiteral("Not Processed");
  return {cells::one_line(item.name.view()), cells::date_time(item.modified),
          item.process_status == kProcessing ? processing : not_processed,
          cells::one_line(item.notes.view())};
}

void TfmInbox::update_buttons() {
  TfmCheckList::update_buttons();
  const bool selected = selected_record() != nullptr;
  btnProcess->setEnabled(selected);
  pmAction->findChild<QAction*>("pmiProcess")->setEnabled(selected);
}

void TfmInbox::process_now() {
  InboxItem* item = selected();
  if (!item) return;
  if (auto* process = dynamic_cast<EditsRecord<InboxItem>*>(m_main.page_by_id(kPageProcess)))
    process->edit_record(item);
  m_main.show_page(kPageProcess, true);
}
