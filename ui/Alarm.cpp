#include "ui/Alarm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/misc/CxDateTime.h"
#include "ui/ListCells.h"
#include "ui/PageIds.h"
#include "ui/Pictures.h"
#include "ui/RecordListView.h"
#include "ui/Widgets.h"

namespace {

const struct {
  const char* text;
  int minutes;
} kSnoozeChoices[] = {
    {"5 minutes", 5}, {"10 minutes", 10}, {"15 minutes", 15}, {"30 minutes", 30}, {"1 hour", 60},
    {"2 hours", 120}, {"4 hours", 240},   {"8 hours", 480},   {"1 day", 1440},
};
constexpr int kDefaultSnooze = 5;

}  // namespace

TfmAlarm::TfmAlarm(Navigator& nav, ZorvoAlarmMgr& alarms)
    : TfmPage(nav, "TfmAlarm"), m_alarms(alarms) {
  QLabel* lblTitle = page_heading("Vantrel Wizard Reminders", "lblTitle", this);
  auto* imgAlarm = named_label({}, "imgAlarm", this);
  imgAlarm->setPixmap(pictures::alarm(40));
  imgAlarm->setFixedSize(40, 40);
  lblDescription = named_label("Description of the Event", "lblDescription", this);
  QFont bold = lblDescription->font();
  bold.setBold(true);
  lblDescription->setFont(bold);
  lblStartTime = named_label("N/A", "lblStartTime", this);

  lvEvent = new RecordListView(
      "lvEvent", {{"Event Description", 400}, {"Due in", 120}, {"Type", 160}}, false,
      [this](const void* entry, int column) {
        return cell(*static_cast<const ReminderEntry*>(entry), column);
      },
      this);
  lvEvent->fit_column(1, "00 days 00 hours 00 minutes overdue");
  m_first_field = lvEvent;

  btnOpen = list_button("Open Item", "btnOpen", this);
  btnDismiss = list_button("Dismiss Item", "btnDismiss", this);
  btnDismissAll = list_button("Dismiss All", "btnDismissAll", this);
  cbSnooze = new QComboBox(this);
  cbSnooze->setObjectName("cbSnooze");
  for (const auto& c : kSnoozeChoices) cbSnooze->addItem(c.text, c.minutes);
  btnSnooze = list_button("Snooze", "btnSnooze", this);

  auto* heading = new QHBoxLayout;
  heading->addWidget(lblTitle);
  heading->addStretch();
  heading->addWidget(imgAlarm);
  auto* start_time = new QHBoxLayout;
  start_time->addWidget(named_label("Start Time:", "Label1", this));
  start_time->addWidget(lblStartTime, 1);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(8);
  for (QPushButton* b : {btnOpen, btnDismiss, btnDismissAll}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(named_label("Click \"Snooze\" to be reminded again in:", "Label2", this));
  buttons->addWidget(cbSnooze);
  buttons->addWidget(btnSnooze);
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(18, 10, 18, 14);
  page->setSpacing(8);
  page->addLayout(heading);
  page->addWidget(lblDescription);
  page->addLayout(start_time);
  page->addWidget(lvEvent, 1);
  page->addLayout(buttons);

  connect(lvEvent, &RecordListView::selection_changed, this, &TfmAlarm::show_selection);
  connect(&lvEvent->rows(), &RecordListModel::ticks_changed, this, &TfmAlarm::show_selection);
  connect(lvEvent, &QAbstractItemView::doubleClicked, this, &TfmAlarm::open);
  connect(btnOpen, &QPushButton::clicked, this, &TfmAlarm::open);
  connect(btnDismiss, &QPushButton::clicked, this, &TfmAlarm::dismiss);
  connect(btnDismissAll, &QPushButton::clicked, this, &TfmAlarm::dismiss_all);
  connect(btnSnooze, &QPushButton::clicked, this, &TfmAlarm::snooze);
  m_removals = alarms.listen_removal([this](const ReminderEntry* e) { lvEvent->rows().forget(e); });
  show_selection();
}

bool TfmAlarm::sync(bool commit) {
  if (commit) return true;
  cbSnooze->setCurrentIndex(0);
  std::vector<void*> entries;
  for (ReminderEntry* e : m_alarms.entries())
    if (details_of(*e).type) entries.push_back(e);  // an entry of an unknown kind gets no row
  lvEvent->rows().set_records(std::move(entries));
  lvEvent->select_row(0);
  show_selection();
  return true;
}

QString TfmAlarm::cell(const ReminderEntry& entry, int column) const {
  const ReminderDetails d = details_of(entry);
  switch (column) {
    case 0:
      return cells::one_line(d.name);
    case 1:
      // Counted to the moment itself, not to the reminder, afresh whenever it is shown.
      return QString::fromStdString(due_in_text(d.due - now()));
    default:
      return d.type;
  }
}

ReminderEntry* TfmAlarm::selected() const {
  return static_cast<ReminderEntry*>(lvEvent->selected_record());
}

void TfmAlarm::show_selection() {
  const ReminderEntry* e = selected();
  for (QPushButton* b : {btnOpen, btnDismiss, btnSnooze}) b->setEnabled(e != nullptr);
  btnDismissAll->setEnabled(lvEvent->rows().count() > 0);
  const ReminderDetails d = e ? details_of(*e) : ReminderDetails{};
  lblDescription->setText(cells::one_line(d.name));
  lblStartTime->setText(QString::fromStdString(start_time_text(d.started)));
}

void TfmAlarm::open() {
  ReminderEntry* e = selected();
  if (!e) return;
  if (Action* a = e->action())
    m_nav.open_editor(kPageOneAction, a, kPageAlarm);
  else if (SomedayItem* s = e->someday())
    m_nav.open_editor(kPageOneSomeday, s, kPageAlarm);
}

void TfmAlarm::dismiss() {
  // The scheduler lets the entry go, and its row goes with it.
  if (ReminderEntry* e = selected()) m_alarms.dismiss(e);
}

void TfmAlarm::dismiss_all() {
  std::vector<ReminderEntry*> listed;
  for (int row = 0; row < lvEvent->rows().count(); ++row)
    listed.push_back(static_cast<ReminderEntry*>(lvEvent->rows().record(row)));
  // Emptied first, so that each dismissal does not have to look for its row.
  lvEvent->rows().set_records({});
  for (ReminderEntry* e : listed) m_alarms.dismiss(e);
  m_nav.show_page(return_page(), true);
}

void TfmAlarm::snooze() {
  ReminderEntry* e = selected();
  if (!e) return;
  bool chosen = false;
  int minutes = cbSnooze->currentData().toInt(&chosen);
  m_alarms.snooze(e, chosen ? minutes : kDefaultSnooze);
  // The entry stays with the scheduler; its row comes back the next time the page is shown.
  lvEvent->rows().forget(e);
}
