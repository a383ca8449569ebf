#include "ui/Oneaction.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <array>

#include "common/misc/CxDateTime.h"
#include "stores/ActionRules.h"
#include "ui/Ansi.h"
#include "ui/ContextList.h"
#include "ui/Navigator.h"
#include "ui/PageIds.h"
#include "ui/ReminderControls.h"
#include "ui/TimeStamps.h"
#include "ui/Widgets.h"

namespace {

const EditorInfo kInfo{"TfmOneAction",
                       "Edit Next Action Item:", "Desc:", "The description field can not be empty.",
                       true};

// The entries of the status and priority lists, in list order.
constexpr std::array<int32_t, 6> kStatuses{kStatusNotStarted, kStatusRunning,  kStatusPaused,
                                           kStatusStopped,    kStatusDisabled, kStatusCompleted};
constexpr std::array<int32_t, 3> kPriorities{kPriorityHigh, kPriorityNormal, kPriorityLow};

template <std::size_t N>
int index_of(const std::array<int32_t, N>& codes, int32_t code, int otherwise) {
  for (std::size_t i = 0; i < N; ++i)
    if (codes[i] == code) return static_cast<int>(i);
  return otherwise;
}

QSpinBox* number_field(const char* name, int most, QWidget* parent) {
  auto* field = new QSpinBox(parent);
  field->setObjectName(name);
  field->setRange(0, most);
  return field;
}

QComboBox* choice_list(const char* name, const QStringList& entries, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->addItems(entries);
  return list;
}

QGridLayout* tab_grid(QWidget* tab) {
  auto* grid = new QGridLayout(tab);
  grid->setContentsMargins(12, 10, 12, 8);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(7);
  return grid;
}

QHBoxLayout* line_of(std::initializer_list<QWidget*> widgets) {
  auto* line = new QHBoxLayout;
  line->setSpacing(6);
  for (QWidget* w : widgets) line->addWidget(w);
  line->addStretch();
  return line;
}

}  // namespace

TfmOneAction::TfmOneAction(Navigator& nav, ZorvoActionMgr& actions, const ZorvoCtxMgr& contexts,
                           ZorvoAlarmMgr& alarms)
    : TfmRecordEditor(nav, kInfo, actions),
      m_contexts(contexts),
      m_alarms(alarms),
      m_schedule("pkScheduleDate", "pkScheduleTime", this),
      m_due("pkDueDate", "pkDueTime", this),
      m_reminder(new ReminderControls("Label4", "before the due time.", this)) {
  pMain = new QTabWidget(this);
  pMain->setObjectName("pMain");
  pMain->addTab(general_tab(), "General");
  pMain->addTab(time_tab(), "Time && Status");
  pMain->addTab(notes_tab(), "Notes");
  add_wide(pMain);

  for (QWidget* field : std::initializer_list<QWidget*>{
           edtDelegate, m_schedule.date, m_schedule.time, m_due.date, m_due.time,
           m_reminder->edtAlarmInterval, edtHour, edtMin, edtPercent})
    save_on_enter(field);

  // Radio buttons and check boxes run their handling on every change of their state, also
  // while a record loads.
  connect(m_types, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) apply_type_rule();
  });
  connect(cbDue, &QCheckBox::toggled, this, &TfmOneAction::apply_due_rule);
  connect(cbStatus, &QComboBox::currentIndexChanged, this, &TfmOneAction::apply_status_rule);
  connect(btnStart, &QPushButton::clicked, this, &TfmOneAction::toggle_running);
  // The action is committed first; an empty description keeps the user here.
  connect(btnEditContext, &QPushButton::clicked, this,
          [this] { m_nav.show_page(kPageContexts, true); });

  tmRefresh.setParent(this);  // found by name among the page's children
  tmRefresh.setObjectName("tmRefresh");
  tmRefresh.setInterval(1000);
  connect(&tmRefresh, &QTimer::timeout, this, &TfmOneAction::tmRefreshTimer);
}

QWidget* TfmOneAction::general_tab() {
  auto* tab = new QWidget;
  tab->setObjectName("tGeneral");
  cbContext = new QComboBox(tab);
  cbContext->setObjectName("cbContext");
  cbContext->setMinimumWidth(220);
  btnEditContext = new QPushButton("...", tab);
  btnEditContext->setObjectName("btnEditContext");
  btnEditContext->setFixedWidth(32);
  m_types = new QButtonGroup(tab);
  rbtnASAP = new QRadioButton("Do it ASAP", tab);
  rbtnASAP->setObjectName("rbtnASAP");
  rbtnDelegate = new QRadioButton("Delegate:", tab);
  rbtnDelegate->setObjectName("rbtnDelegate");
  rbtnSchedule = new QRadioButton("Schedule:", tab);
  rbtnSchedule->setObjectName("rbtnSchedule");
  m_types->addButton(rbtnASAP, kTypeAsap);
  m_types->addButton(rbtnDelegate, kTypeDelegated);
  m_types->addButton(rbtnSchedule, kTypeScheduled);
  rbtnASAP->setChecked(true);
  edtDelegate = make_line_field("edtDelegate", 255, tab);
  edtDelegate->setMinimumWidth(260);
  cbPriority = choice_list("cbPriority", {"High", "Normal", "Low"}, tab);

  QGridLayout* grid = tab_grid(tab);
  grid->setColumnMinimumWidth(0, 80);
  grid->addWidget(named_label("Context:", "Label2", tab), 0, 0);
  grid->addLayout(line_of({cbContext, btnEditContext}), 0, 1);
  grid->addWidget(named_label("Type:", "Label16", tab), 1, 0);
  grid->addWidget(rbtnASAP, 1, 1);
  grid->addLayout(line_of({rbtnDelegate, edtDelegate}), 2, 1);
  grid->addLayout(line_of({rbtnSchedule, m_schedule.date, m_schedule.time}), 3, 1);
  grid->addWidget(named_label("Priority:", "Label9", tab), 4, 0);
  grid->addLayout(line_of({cbPriority}), 4, 1);
  grid->setRowStretch(5, 1);
  grid->setColumnStretch(1, 1);
  return tab;
}

QWidget* TfmOneAction::time_tab() {
  auto* tab = new QWidget;
  tab->setObjectName("tTime");
  cbStatus = choice_list(
      "cbStatus", {"Not Started", "Running", "Paused", "Stopped", "Disabled", "Completed"}, tab);
  btnStart = new QPushButton("Start", tab);
  btnStart->setObjectName("btnStart");
  btnStart->setMinimumWidth(80);
  cbDue = new QCheckBox("Due", tab);
  cbDue->setObjectName("cbDue");
  edtHour = number_field("edtHour", 1000, tab);
  edtMin = number_field("edtMin", 60, tab);
  edtPercent = number_field("edtPercent", 100, tab);
  lblActualTime = named_label("", "lblActualTime", tab);
  TimeStamps* pTime = make_time_stamps();

  QGridLayout* grid = tab_grid(tab);
  grid->addWidget(named_label("Action Status:", "Label5", tab), 0, 0);
  grid->addLayout(line_of({cbStatus, btnStart}), 0, 1);
  grid->addWidget(cbDue, 1, 0);
  grid->addLayout(line_of({m_due.date, m_due.time}), 1, 1);
  grid->addLayout(m_reminder->row(), 2, 0, 1, 2);
  grid->setColumnMinimumWidth(2, 16);
  grid->addWidget(named_label("Estimated Time:", "Label10", tab), 0, 3);
  grid->addLayout(line_of({edtHour, named_label("hours", "Label13", tab), edtMin,
                           named_label("minutes", "Label14", tab)}),
                  0, 4);
  grid->addWidget(named_label("Actually Spent Time:", "Label11", tab), 1, 3);
  grid->addWidget(lblActualTime, 1, 4);
  grid->addWidget(named_label("Finished Percentage:", "Label12", tab), 2, 3);
  grid->addLayout(line_of({edtPercent, named_label("%", "Label15", tab)}), 2, 4);
  grid->addWidget(named_label("Updated Time:", "Label6", tab), 3, 0);
  grid->addWidget(pTime, 3, 1, 1, 4);
  grid->setRowStretch(4, 1);
  grid->setColumnStretch(4, 1);
  return tab;
}

QWidget* TfmOneAction::notes_tab() {
  auto* tab = new QWidget;
  tab->setObjectName("tNote");
  memNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* layout = new QVBoxLayout(tab);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(memNotes);
  return tab;
}

void TfmOneAction::fill(Action& action) {
  const double moment = now();
  QAbstractButton* type = m_types->button(action.action_type);
  (type ? type : rbtnASAP)->setChecked(true);
  apply_type_rule();
  edtDelegate->setText(from_ansi(action.delegate.view()));
  m_schedule.show_value(action.scheduled != 0 ? action.scheduled : moment);
  cbStatus->setCurrentIndex(index_of(kStatuses, action.status, 0));
  cbPriority->setCurrentIndex(index_of(kPriorities, priority_of(action.priority_flags), 1));
  cbDue->setChecked(action.due != 0);
  m_due.show_value(action.due != 0 ? action.due : moment);
  apply_due_rule();
  edtHour->setValue(action.estimate_minutes / 60);
  edtMin->setValue(action.estimate_minutes % 60);
  show_spent_time();

  fill_context_list(cbContext, m_contexts, action.context_id);

  m_reminder->show_reminder(action.remind, action.remind_lead, action.remind_unit);
  edtPercent->setValue(action.percent_done);
  apply_status_rule();
  tmRefresh.start();
}

void TfmOneAction::take_input(Action& action) {
  const ReminderInput reminder_before = reminder_input(action);
  action.action_type = m_types->checkedId() < 0 ? kTypeAsap : m_types->checkedId();
  if (action.action_type == kTypeDelegated) action.delegate = to_ansi(edtDelegate->text());
  action.percent_done = edtPercent->value();
  action.scheduled = action.action_type == kTypeScheduled ? m_schedule.value() : 0;
  if (cbStatus->currentIndex() >= 0) save_status(m_store, action, chosen_status());
  if (cbPriority->currentIndex() >= 0)
    action.priority_flags = with_priority(
        action.priority_flags, kPriorities[static_cast<std::size_t>(cbPriority->currentIndex())]);
  action.due = cbDue->isChecked() ? m_due.value() : 0;
  action.estimate_minutes = edtHour->value() * 60 + edtMin->value();
  action.context_id = chosen_context(cbContext);
  action.remind = cbDue->isChecked() && m_reminder->ticked() ? 1 : 0;
  action.remind_lead = m_reminder->lead();
  action.remind_unit = m_reminder->unit();
  reschedule_if_changed(m_alarms, action, reminder_before);
  tmRefresh.stop();
}

void TfmOneAction::enable_own_controls(bool enabled) {
  for (QWidget* w : std::initializer_list<QWidget*>{cbContext, btnEditContext, rbtnASAP,
                                                    rbtnDelegate, rbtnSchedule, cbPriority,
                                                    cbStatus, cbDue, edtHour, edtMin, edtPercent})
    w->setEnabled(enabled);
  if (enabled) {
    // What the type, the due switch and the status allow.
    apply_type_rule();
    apply_due_rule();
    apply_status_rule();
    return;
  }
  tmRefresh.stop();
  for (QComboBox* list : {cbContext, cbPriority, cbStatus}) list->setCurrentIndex(-1);
  cbDue->setChecked(false);
  edtDelegate->clear();
  m_reminder->clear();
  for (QSpinBox* field : {edtHour, edtMin, edtPercent}) field->setValue(0);
  lblActualTime->clear();
  for (QWidget* w : std::initializer_list<QWidget*>{edtDelegate, btnStart}) w->setEnabled(false);
  m_schedule.set_enabled(false);
  m_due.set_enabled(false);
  m_reminder->set_enabled(false);
}

void TfmOneAction::set_page_visible(bool visible) {
  TfmRecordEditor::set_page_visible(visible);
  if (visible && has_record())
    tmRefresh.start();
  else
    tmRefresh.stop();
}

void TfmOneAction::apply_type_rule() {
  edtDelegate->setEnabled(rbtnDelegate->isChecked() && rbtnDelegate->isEnabled());
  m_schedule.set_enabled(rbtnSchedule->isChecked() && rbtnSchedule->isEnabled());
}

void TfmOneAction::apply_due_rule() {
  const bool due = cbDue->isChecked() && cbDue->isEnabled();
  m_due.set_enabled(due);
  m_reminder->set_enabled(due);
}

void TfmOneAction::apply_status_rule() {
  if (cbStatus->currentIndex() < 0) return;
  const int32_t status = chosen_status();
  btnStart->setText(status == kStatusRunning ? "Pause" : "Start");
  btnStart->setEnabled(is_open_status(status) && cbStatus->isEnabled());
}

int32_t TfmOneAction::chosen_status() const {
  return kStatuses[static_cast<std::size_t>(cbStatus->currentIndex())];
}

void TfmOneAction::toggle_running() {
  Action* action = record();
  if (!action) return;
  // At once, and Cancel does not undo it.
  switch_running(m_store, *action);
  cbStatus->setCurrentIndex(index_of(kStatuses, action->status, 0));
  apply_status_rule();
}

void TfmOneAction::show_spent_time() {
  if (const Action* action = record())
    lblActualTime->setText(QString::fromStdString(format_elapsed(action->spent_seconds)));
}

void TfmOneAction::tmRefreshTimer() {
  show_spent_time();
}
