#include "ui/Action.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/misc/CxDateTime.h"
#include "ui/Ansi.h"
#include "ui/ContextList.h"
#include "ui/ListCells.h"
#include "ui/PageIds.h"
#include "ui/Widgets.h"

namespace {

enum Column { kDescription, kPriority, kRanTime, kStatus, kDueTime, kNote };

const ListPageInfo kInfo{
    "TfmAction",
    "My Next Actions:",
    "lvAction",
    {{"Description", 220},
     {"Priority", 60},
     {"Ran Time", 100},
     {"Status", 90},
     {"Due Time", 120},
     {"Note", 150}},
    "Details",
    "Add Action",
    "Action Properties",
    "Delete Action",
    "Are you sure to delete the %d selected Action %s?",
    "record",
    "records",
    kDueTime,
};

const struct {
  ActionFilterMode mode;
  const char* name;
  const char* caption;
} kFilters[] = {
    {kShowAllActive, "rbtnAll", "All (Active)"},
    {kShowAsap, "rbtnNow", "Do ASAP"},
    {kShowDelegated, "rbtnDelegated", "Delegated"},
    {kShowScheduled, "rbtnScheduled", "Scheduled"},
    {kShowCompleted, "rbtnCompleted", "Completed"},
    {kShowByProject, "rbtnByProject", "By Project:"},
    {kShowByContext, "rbtnByContext", "By Context"},
};

QComboBox* choice_list(const char* name, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setMinimumWidth(200);
  list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  return list;
}

QString priority_text(int32_t priority_flags) {
  switch (priority_of(priority_flags)) {
    case kPriorityHigh:
      return QStringLiteral("High");
    case kPriorityLow:
      return QStringLiteral("Low");
    default:
      return QStringLiteral("Normal");
  }
}

}  // namespace

TfmAction::TfmAction(Navigator& nav, ZorvoActionMgr& actions, const ZorvoProjectMgr& projects,
                     const ZorvoCtxMgr& contexts, Settings& settings)
    : TfmRecordList(nav, settings, kInfo, actions, kPageActions, kPageOneAction),
      m_choice(settings),
      m_projects(projects),
      m_contexts(contexts),
      m_filters(new QButtonGroup(this)),
      cbProject(choice_list("cbProject", this)),
      cbContext(choice_list("cbContext", this)) {
  auto* first_row = new QHBoxLayout;
  auto* second_row = new QHBoxLayout;
  for (QHBoxLayout* row : {first_row, second_row}) row->setSpacing(14);
  for (const auto& f : kFilters) {
    auto* radio = new QRadioButton(f.caption, this);
    radio->setObjectName(f.name);
    m_filters->addButton(radio, f.mode);
    if (f.mode < kShowByProject) {
      first_row->addWidget(radio);
      continue;
    }
    second_row->addWidget(radio);
    second_row->addWidget(f.mode == kShowByProject ? cbProject : cbContext);
    second_row->addSpacing(16);
  }
  first_row->addStretch();
  second_row->addStretch();
  auto* filters = new QVBoxLayout;
  filters->setSpacing(6);
  filters->addLayout(first_row);
  filters->addLayout(second_row);
  add_above_list(filters);

  btnStart = add_extra_button("btnStart", "Start", "pmiStart", "Start Action");
  btnComplete =
      add_extra_button("btnComplete", "Complete", "pmiComplete", "Complete Action", false);
  pmiStart = pmAction->findChild<QAction*>("pmiStart");
  pmiComplete = pmAction->findChild<QAction*>("pmiComplete");
  connect(btnStart, &QPushButton::clicked, this, [this] { act_on_selected(start_or_pause); });
  connect(btnComplete, &QPushButton::clicked, this, [this] { act_on_selected(complete_action); });

  // A radio button's handling runs whenever it becomes the chosen one.
  connect(m_filters, &QButtonGroup::idToggled, this, [this](int mode, bool checked) {
    if (checked) choose_filter(mode);
  });
  connect(cbProject, &QComboBox::currentIndexChanged, this, [this] {
    m_choice.ShowActionProjectID = chosen_project();
    refill();
  });
  connect(cbContext, &QComboBox::currentIndexChanged, this, [this] {
    m_choice.ShowActionContextID = chosen_context(cbContext);
    refill();
  });

  rows().set_row_color(
      [this](const void* record) { return row_color(*static_cast<const Action*>(record)); });

  tmAction.setParent(this);  // found by name among the page's children
  tmAction.setObjectName("tmAction");
  tmAction.setInterval(1000);
  connect(&tmAction, &QTimer::timeout, this, &TfmAction::tmActionTimer);
}

bool TfmAction::sync(bool commit) {
  if (commit) {
    m_counting = false;
    tmAction.stop();
    return true;
  }
  m_counting = true;
  tmAction.start();
  fill_filter_lists();
  int mode = m_choice.ShowActionMode;
  if (!m_filters->button(mode)) mode = kShowAllActive;
  {
    // Showing runs the chosen filter's handling once, whether or not its button was the one
    // chosen before, so that the list always agrees with the two choice lists as filled now.
    QSignalBlocker quiet(m_filters);
    m_filters->button(mode)->setChecked(true);
  }
  choose_filter(mode);
  return true;
}

void TfmAction::set_page_visible(bool visible) {
  TfmRecordList::set_page_visible(visible);
  if (visible && m_counting)
    tmAction.start();
  else
    tmAction.stop();
}

void TfmAction::fill_filter_lists() {
  QSignalBlocker quiet_projects(cbProject);
  QSignalBlocker quiet_contexts(cbContext);
  cbProject->clear();
  int project_index = -1;
  for (const Project* p : m_projects.records()) {
    if (!is_open_status(p->status)) continue;
    if (p->id == m_choice.ShowActionProjectID) project_index = cbProject->count();
    cbProject->addItem(from_ansi(p->name.view()), p->id);
  }
  cbProject->setCurrentIndex(project_index);

  fill_context_list(cbContext, m_contexts, m_choice.ShowActionContextID);
}

void TfmAction::choose_filter(int mode) {
  m_choice.ShowActionMode = mode;
  if (mode == kShowByProject) m_choice.ShowActionProjectID = chosen_project();
  if (mode == kShowByContext) m_choice.ShowActionContextID = chosen_context(cbContext);
  refill();
  cbProject->setEnabled(mode == kShowByProject);
  cbContext->setEnabled(mode == kShowByContext);
}

int32_t TfmAction::chosen_project() const {
  return cbProject->currentIndex() < 0 ? -1 : cbProject->currentData().toInt();
}

bool TfmAction::listed(const Action& action) const {
  return is_listed(action, {m_choice.ShowActionMode, m_choice.ShowActionProjectID,
                            m_choice.ShowActionContextID});
}

std::vector<void*> TfmAction::records_to_list() {
  std::vector<void*> listed_records = TfmRecordList::records_to_list();
  m_running_row = -1;
  if (m_choice.ShowActionMode != kShowCompleted) {
    for (std::size_t row = 0; row < listed_records.size(); ++row) {
      if (static_cast<const Action*>(listed_records[row])->status == kStatusRunning) {
        m_running_row = static_cast<int>(row);
        break;
      }
    }
  }
  return listed_records;
}

QString TfmAction::cell(const Action& action, int column) const {
  switch (column) {
    case kDescription:
      return cells::one_line(action.name.view());
    case kPriority:
      return priority_text(action.priority_flags);
    case kRanTime:
      return QString::fromStdString(format_elapsed(action.spent_seconds));
    case kStatus:
      return QString::fromLatin1(status_text(action.status));
    case kDueTime:
      return action.due == 0 ? QStringLiteral("N/A") : cells::date_time(action.due);
    default:
      return cells::one_line(action.notes.view());
  }
}

QColor TfmAction::row_color(const Action& action) const {
  const Settings& s = m_choice;
  switch (row_shade(action, s.ShowColor, now())) {
    case RowShade::Black:
      return QColor(0, 0, 0);
    case RowShade::High:
      return color_from_setting(s.HighColor);
    case RowShade::Normal:
      return color_from_setting(s.NormalColor);
    case RowShade::Low:
      return color_from_setting(s.LowColor);
    case RowShade::Completed:
      return color_from_setting(s.CompletedColor);
    case RowShade::Running:
      return color_from_setting(s.ActiveColor);
    case RowShade::Overdue:
      return color_from_setting(s.OverDueColor);
    case RowShade::ListText:
      break;
  }
  return {};
}

void TfmAction::update_buttons() {
  TfmRecordList::update_buttons();
  const Action* action = selected();
  const bool open = action && is_open_status(action->status);
  for (QPushButton* b : {btnStart, btnComplete}) b->setEnabled(open);
  pmiStart->setEnabled(open);
  pmiComplete->setEnabled(open);
  if (!action) return;  // without a selection the captions stay as they were
  const bool running = action->status == kStatusRunning;
  btnStart->setText(running ? "Pause" : "Start");
  pmiStart->setText(running ? "Pause Action" : "Start Action");
}

void TfmAction::act_on_selected(void (*rule)(ZorvoActionMgr&, Action&, double)) {
  Action* action = selected();
  if (!action) return;
  rule(m_store, *action, now());
  refill();
}

void TfmAction::tmActionTimer() {
  if (m_running_row < 0 || m_running_row >= rows().count()) return;
  if (rows().record(m_running_row) != m_store.active_action()) return;
  rows().update_cell(m_running_row, kRanTime);
}
