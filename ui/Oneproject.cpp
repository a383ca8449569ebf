#include "ui/Oneproject.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "stores/ProjectOutline.h"
#include "ui/ListCells.h"
#include "ui/Navigator.h"
#include "ui/PageIds.h"
#include "ui/RecordListView.h"
#include "ui/Widgets.h"

namespace {

const EditorInfo kInfo{"TfmOneProject", "Edit Project Information",
                       "Desc:", "The project description field can not be empty."};

QString step_cell(const void* record, int column) {
  const auto& step = *static_cast<const Action*>(record);
  switch (column) {
    case 0:
      return cells::one_line(step.name.view());
    case 1:
      return step_status_text(step.status);
    default:
      return step_priority_text(step.priority_flags);
  }
}

}  // namespace

TfmOneProject::TfmOneProject(Navigator& nav, ZorvoProjectMgr& projects, ZorvoActionMgr& actions)
    : TfmRecordEditor(nav, kInfo, projects), m_actions(actions) {
  // The outcome has no limit of its own: the record keeps what fits.
  edtOutcome = new QLineEdit(this);
  edtOutcome->setObjectName("edtOutcome");
  auto* outcome = new QHBoxLayout;
  outcome->setSpacing(10);
  outcome->addWidget(edtOutcome, 1);
  auto* hint = named_label("(max characters: 255)", "Label9", this);
  hint->setStyleSheet("color: #606060");
  outcome->addWidget(hint);
  add_row(Place::AboveNotes, "Label5", "Outcome:", outcome);
  save_on_enter(edtOutcome);

  lvAction =
      new RecordListView("lvAction", {{"Description", 300}, {"Status", 100}, {"Priority", 80}},
                         false, step_cell, this);
  lvAction->setMinimumHeight(96);
  btnAdd = list_button("Add", "btnAdd", this, 80);
  btnModify = list_button("Modify", "btnModify", this, 80);
  btnDelete = list_button("Delete", "btnDelete", this, 80);
  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(6);
  for (QPushButton* b : {btnAdd, btnModify, btnDelete}) buttons->addWidget(b);
  buttons->addStretch();
  auto* steps = new QHBoxLayout;
  steps->setSpacing(10);
  steps->addWidget(lvAction, 1);
  steps->addLayout(buttons);
  add_row(Place::BelowNotes, "Label6", "Actions:", steps);

  connect(btnAdd, &QPushButton::clicked, this, &TfmOneProject::add_step);
  connect(btnModify, &QPushButton::clicked, this, &TfmOneProject::modify_step);
  connect(lvAction, &QAbstractItemView::doubleClicked, this, &TfmOneProject::modify_step);
  connect(btnDelete, &QPushButton::clicked, this, &TfmOneProject::delete_step);
  connect(lvAction, &RecordListView::selection_changed, this, &TfmOneProject::update_step_buttons);
  m_removals = actions.listen_removal([this](const Action* a) { lvAction->rows().forget(a); });
  update_step_buttons();
}

void TfmOneProject::fill(Project& project) {
  std::vector<Action*> steps = steps_of(m_actions, project.id);
  lvAction->rows().set_records(std::vector<void*>(steps.begin(), steps.end()));
  lvAction->select_row(0);
  edtOutcome->setText(from_ansi(project.outcome.view()));
}

void TfmOneProject::take_input(Project& project) {
  project.outcome = to_ansi(edtOutcome->text());
}

void TfmOneProject::enable_own_controls(bool enabled) {
  edtOutcome->setEnabled(enabled);
  lvAction->setEnabled(enabled);
  btnAdd->setEnabled(enabled);
  if (!enabled) {
    edtOutcome->clear();
    lvAction->rows().set_records({});
  }
  update_step_buttons();
}

bool TfmOneProject::may_leave() {
  if (!record()) return false;
  if (edtName->text().isEmpty()) return refuse_empty_name();
  return true;
}

void TfmOneProject::add_step() {
  if (!may_leave()) return;
  // The project is stored (a new one for the first time) when the action editor comes up.
  std::unique_ptr<Action> step = m_actions.create();
  if (step) step->project_id = record()->id;
  m_nav.open_editor(kPageOneAction, std::move(step), kPageOneProject);
}

void TfmOneProject::modify_step() {
  Action* step = selected_step();
  if (step && may_leave()) m_nav.open_editor(kPageOneAction, step, kPageOneProject);
}

void TfmOneProject::delete_step() {
  // At once and without a question: the list drops its row when the store removes the action.
  if (Action* step = selected_step()) m_actions.remove(step);
}

void TfmOneProject::update_step_buttons() {
  const bool selected = selected_step() != nullptr;
  btnModify->setEnabled(selected);
  btnDelete->setEnabled(selected);
}

Action* TfmOneProject::selected_step() const {
  return static_cast<Action*>(lvAction->selected_record());
}
