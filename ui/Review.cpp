#include "ui/Review.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTreeView>
#include <QVBoxLayout>

#include "common/misc/CxDateTime.h"
#include "ui/Ansi.h"
#include "ui/DateTimePickers.h"
#include "ui/ListCells.h"
#include "ui/Navigator.h"
#include "ui/PageIds.h"
#include "ui/Prompts.h"
#include "ui/RecordListView.h"
#include "ui/TextFields.h"
#include "ui/Widgets.h"

namespace {

using Kind = ReviewTreeModel::Kind;

QPushButton* button(const char* caption, const char* name, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setMinimumWidth(110);
  return b;
}

// The description of a project or an action, as a list row shows it.
template <class R>
QString name_cell(const void* record, int) {
  return cells::one_line(static_cast<const R*>(record)->name.view());
}

QLineEdit* shown_line(const char* name, QWidget* parent) {
  auto* t = new QLineEdit(parent);
  t->setObjectName(name);
  t->setEnabled(false);
  return t;
}

NotesField* shown_notes(const char* name, QWidget* parent) {
  auto* m = new NotesField(name, 2047, parent);
  m->setEnabled(false);
  m->setMaximumHeight(56);
  return m;
}

// The type of an action, shown only.
QRadioButton* shown_type(const char* caption, const char* name, QWidget* parent) {
  auto* b = new QRadioButton(caption, parent);
  b->setObjectName(name);
  b->setEnabled(false);
  return b;
}

QHBoxLayout* button_row(const std::vector<QPushButton*>& buttons) {
  auto* row = new QHBoxLayout;
  row->setSpacing(8);
  for (QPushButton* b : buttons) row->addWidget(b);
  row->addStretch();
  return row;
}

template <class R>
std::vector<void*> all_of(const ZorvoStore<R>& store) {
  std::vector<void*> all;
  all.reserve(store.count());
  for (R* r : store.records()) all.push_back(r);
  return all;
}

}  // namespace

TfmReview::TfmReview(Navigator& nav, ZorvoProjectMgr& projects, ZorvoActionMgr& actions,
                     const Settings& settings)
    : TfmPage(nav, "TfmReview"), m_projects(projects), m_actions(actions), m_settings(settings) {
  build();
  connect_buttons();
  m_project_removals =
      projects.listen_removal([this](const Project* p) { forget(p, Chosen::Project); });
  m_action_removals =
      actions.listen_removal([this](const Action* a) { forget(a, Chosen::Action); });
}

void TfmReview::build() {
  QLabel* lblTitle = page_heading("Review All Projects and Actions", "lblTitle", this);

  m_tree = new ReviewTreeModel(this);
  tvData = new QTreeView(this);
  tvData->setObjectName("tvData");
  tvData->setModel(m_tree);
  tvData->setHeaderHidden(true);
  tvData->setUniformRowHeights(true);
  tvData->setIconSize(QSize(24, 24));
  tvData->setSelectionMode(QAbstractItemView::SingleSelection);
  tvData->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tvData->setFixedWidth(270);
  keep_selection_visible(tvData);
  m_first_field = tvData;
  connect(tvData->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TfmReview::node_selected);

  pMain = new QTabWidget(this);
  pMain->setObjectName("pMain");
  build_project_tab();
  build_action_tab();
  lvAllProjects =
      add_list_tab(tAllProjects, {"tAllProjects",
                                  "All Projects",
                                  "lvAllProjects",
                                  {"Project Description", 400},
                                  name_cell<Project>,
                                  {{"Add New Project", "btnAddProject", &btnAddProject},
                                   {"Delete Project", "btnDelProject", &btnDelProject},
                                   {"Edit Project", "btnEditProject", &btnEditProject}}});
  lvAllActions = add_list_tab(tAllActions, {"tAllActions",
                                            "All Actions",
                                            "lvAllActions",
                                            {"Action Description", 400},
                                            name_cell<Action>,
                                            {{"Add New Action", "btnAddAction", &btnAddAction},
                                             {"Edit Action", "btnEditAction", &btnEditAction},
                                             {"Delete Action", "btnDelAction", &btnDelAction}}});

  auto* body = new QHBoxLayout;
  body->setSpacing(12);
  body->addWidget(tvData);
  body->addWidget(pMain, 1);
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(18, 14, 18, 12);
  page->setSpacing(10);
  page->addWidget(lblTitle);
  page->addLayout(body, 1);
}

QWidget* TfmReview::add_tab(const char* name, const char* title) {
  auto* tab = new QWidget;
  tab->setObjectName(name);
  pMain->addTab(tab, title);
  return tab;
}

RecordListView* TfmReview::add_list_tab(QWidget*& tab, const ListTab& info) {
  tab = add_tab(info.tab_name, info.title);
  auto* list = new RecordListView(info.list_name, {info.column}, false, info.cell, tab);
  std::vector<QPushButton*> buttons;
  for (const TabButton& b : info.buttons)
    buttons.push_back(*b.made = button(b.caption, b.name, tab));
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(list, 1);
  layout->addLayout(button_row(buttons));
  return list;
}

void TfmReview::build_project_tab() {
  tProject = add_tab("tProject", "Project Details");
  edtProjectDesc = shown_line("edtProjectDesc", tProject);
  memProjectNotes = shown_notes("memProjectNotes", tProject);
  lvAction = new RecordListView("lvAction", {{"Action Descriptions", 400}}, false,
                                name_cell<Action>, tProject);
  btnProjectEdit = button("Edit Project Details", "btnProjectEdit", tProject);
  btnProjectDel = button("Delete This Project", "btnProjectDel", tProject);
  auto* tab = new QGridLayout(tProject);
  tab->setVerticalSpacing(6);
  tab->addWidget(named_label("Description:", "Label1", tProject), 0, 0);
  tab->addWidget(edtProjectDesc, 0, 1);
  tab->addWidget(named_label("Notes:", "Label2", tProject), 1, 0, Qt::AlignTop);
  tab->addWidget(memProjectNotes, 1, 1);
  tab->addWidget(lvAction, 2, 0, 1, 2);
  tab->addLayout(button_row({btnProjectEdit, btnProjectDel}), 3, 0, 1, 2);
  tab->setRowStretch(2, 1);
  tab->setColumnStretch(1, 1);
}

void TfmReview::build_action_tab() {
  tAction = add_tab("tAction", "Action Details");
  edtActionDesc = shown_line("edtActionDesc", tAction);
  memActionNotes = shown_notes("memActionNotes", tAction);
  // The details show values only: nothing entered there would be stored.
  rbtnASAP = shown_type("Do it ASAP", "rbtnASAP", tAction);
  rbtnDelegate = shown_type("Delegate:", "rbtnDelegate", tAction);
  edtDelegate = new QLineEdit(tAction);
  edtDelegate->setObjectName("edtDelegate");
  edtDelegate->setReadOnly(true);
  rbtnSchedule = shown_type("Schedule", "rbtnSchedule", tAction);
  m_schedule = std::make_unique<DateTimePickers>("pkScheduleDate", "pkScheduleTime", tAction);
  pkScheduleDate = m_schedule->date;
  pkScheduleTime = m_schedule->time;
  pkScheduleDate->setReadOnly(true);
  pkScheduleTime->setReadOnly(true);
  btnActionEdit = button("Edit Action Details", "btnActionEdit", tAction);
  btnActionDel = button("Delete This Action", "btnActionDel", tAction);

  auto* tab = new QGridLayout(tAction);
  tab->setVerticalSpacing(6);
  tab->addWidget(named_label("Description:", "Label3", tAction), 0, 0);
  tab->addWidget(edtActionDesc, 0, 1, 1, 3);
  tab->addWidget(named_label("Notes:", "Label4", tAction), 1, 0, Qt::AlignTop);
  tab->addWidget(memActionNotes, 1, 1, 1, 3);
  tab->addWidget(named_label("Type:", "Label5", tAction), 2, 0);
  tab->addWidget(rbtnASAP, 2, 1);
  tab->addWidget(rbtnDelegate, 3, 1);
  tab->addWidget(edtDelegate, 3, 2, 1, 2);
  tab->addWidget(rbtnSchedule, 4, 1);
  tab->addWidget(pkScheduleDate, 4, 2);
  tab->addWidget(pkScheduleTime, 4, 3);
  tab->addLayout(button_row({btnActionEdit, btnActionDel}), 6, 0, 1, 4);
  tab->setRowStretch(5, 1);
  tab->setColumnStretch(3, 1);
}

void TfmReview::connect_buttons() {
  auto on = [this](QPushButton* b, auto handler) {
    connect(b, &QPushButton::clicked, this, handler);
  };
  on(btnAddProject,
     [this] { m_nav.open_editor(kPageOneProject, m_projects.create(), kPageReview); });
  on(btnEditProject, [this] {
    if (auto* p = static_cast<Project*>(lvAllProjects->selected_record()))
      m_nav.open_editor(kPageOneProject, p, kPageReview);
  });
  on(btnDelProject, [this] { delete_listed_project(); });
  on(btnProjectEdit, [this] {
    if (Project* p = chosen_project()) m_nav.open_editor(kPageOneProject, p, kPageReview);
  });
  on(btnProjectDel, [this] { delete_chosen(); });
  on(btnAddAction, [this] { m_nav.open_editor(kPageOneAction, m_actions.create(), kPageReview); });
  on(btnEditAction, [this] {
    if (auto* a = static_cast<Action*>(lvAllActions->selected_record()))
      m_nav.open_editor(kPageOneAction, a, kPageReview);
  });
  on(btnDelAction, [this] { delete_listed_action(); });
  on(btnActionEdit, [this] {
    if (Action* a = chosen_action()) m_nav.open_editor(kPageOneAction, a, kPageReview);
  });
  on(btnActionDel, [this] { delete_chosen(); });
  for (RecordListView* list : {lvAllProjects, lvAllActions})
    connect(list, &RecordListView::selection_changed, this, &TfmReview::update_list_buttons);
}

bool TfmReview::sync(bool commit) {
  if (!commit) rebuild_tree();
  return true;
}

void TfmReview::rebuild_tree() {
  m_ready = false;
  m_outline.rebuild(m_projects, m_actions);
  m_tree->rebuild(m_outline);
  tvData->expand(m_tree->all_projects());
  tvData->expand(m_tree->simple_actions());
  m_ready = true;

  // The choice of the last show again, by record: a tab of a list chooses its group.
  QWidget* tab = pMain->currentWidget();
  if (tab == tAllProjects) return choose_node(m_tree->all_projects());
  if (tab == tAllActions) return choose_node(m_tree->simple_actions());
  if (m_chosen == Chosen::Project) {
    QModelIndex node = m_tree->index_of(Kind::Project, m_chosen_record);
    if (node.isValid()) return choose_node(node, tProject);
    return choose_node(m_tree->all_projects(), tAllProjects);
  }
  if (m_chosen == Chosen::Action) {
    QModelIndex node = m_tree->index_of(Kind::Action, m_chosen_record);
    if (node.isValid()) return choose_node(node, tAction);
    return choose_node(m_tree->simple_actions(), tAllActions);
  }
  choose_node(m_tree->all_projects(), tAllProjects);
}

void TfmReview::choose_node(const QModelIndex& index, QWidget* tab) {
  tvData->setCurrentIndex(index);  // runs the selection rule
  if (tab) pMain->setCurrentWidget(tab);
}

QModelIndex TfmReview::selected_node() const {
  const QModelIndexList selected = tvData->selectionModel()->selectedIndexes();
  return selected.isEmpty() ? QModelIndex() : selected.first();
}

void TfmReview::node_selected() {
  if (!m_ready) return;
  const QModelIndex node = selected_node();
  if (node.isValid()) apply_selection_rule(node);
}

void TfmReview::apply_selection_rule(const QModelIndex& node) {
  switch (m_tree->kind(node)) {
    case Kind::Group:
      m_chosen = Chosen::None;
      m_chosen_record = nullptr;
      if (node == m_tree->all_projects()) {
        show_detail_tab(tAllProjects);
        fill_all_projects();
      } else {
        show_detail_tab(tAllActions);
        fill_all_actions();
      }
      break;
    case Kind::Project:
      show_detail_tab(tProject);
      m_chosen = Chosen::Project;
      m_chosen_record = m_tree->record(node);
      fill_project(*chosen_project());
      break;
    case Kind::Action:
      show_detail_tab(tAction);
      m_chosen = Chosen::Action;
      m_chosen_record = m_tree->record(node);
      fill_action(*chosen_action());
      break;
  }
}

void TfmReview::show_detail_tab(QWidget* shown) {
  // Only the details tab of the chosen kind is there; the two lists always are.
  pMain->setTabVisible(pMain->indexOf(shown), true);
  pMain->setCurrentWidget(shown);
  for (QWidget* details : {tProject, tAction})
    if (details != shown) pMain->setTabVisible(pMain->indexOf(details), false);
}

void TfmReview::fill_all_projects() {
  lvAllProjects->rows().set_records(all_of(m_projects));
  lvAllProjects->select_row(0);
  update_list_buttons();
}

void TfmReview::fill_all_actions() {
  lvAllActions->rows().set_records(all_of(m_actions));
  lvAllActions->select_row(0);
  update_list_buttons();
}

void TfmReview::fill_project(const Project& project) {
  edtProjectDesc->setText(from_ansi(project.name.view()));
  memProjectNotes->set_stored_text(project.notes.view());
  std::vector<Action*> steps = steps_of(m_actions, project.id);
  lvAction->rows().set_records(std::vector<void*>(steps.begin(), steps.end()));
  lvAction->select_row(0);
}

void TfmReview::fill_action(const Action& action) {
  edtActionDesc->setText(from_ansi(action.name.view()));
  memActionNotes->set_stored_text(action.notes.view());
  (action.action_type == kTypeDelegated   ? rbtnDelegate
   : action.action_type == kTypeScheduled ? rbtnSchedule
                                          : rbtnASAP)
      ->setChecked(true);
  edtDelegate->setText(from_ansi(action.delegate.view()));
  m_schedule->show_value(action.scheduled != 0 ? action.scheduled : now());
}

void TfmReview::update_list_buttons() {
  const bool project = lvAllProjects->selected_record() != nullptr;
  btnEditProject->setEnabled(project);
  btnDelProject->setEnabled(project);
  const bool action = lvAllActions->selected_record() != nullptr;
  btnEditAction->setEnabled(action);
  btnDelAction->setEnabled(action);
}

Project* TfmReview::chosen_project() const {
  return m_chosen == Chosen::Project ? static_cast<Project*>(m_chosen_record) : nullptr;
}

Action* TfmReview::chosen_action() const {
  return m_chosen == Chosen::Action ? static_cast<Action*>(m_chosen_record) : nullptr;
}

bool TfmReview::asked(const char* question) {
  return !m_settings.AlertDeletion || confirm(this, question);
}

void TfmReview::delete_listed_project() {
  auto* p = static_cast<Project*>(lvAllProjects->selected_record());
  if (!p || !asked("Are you sure to delete this project?")) return;
  if (p == m_chosen_record) m_chosen = Chosen::None;
  m_projects.remove(p);  // its node goes with it; its actions stay
  fill_all_projects();
}

void TfmReview::delete_listed_action() {
  auto* a = static_cast<Action*>(lvAllActions->selected_record());
  if (!a || !asked("Are you sure to delete this action?")) return;
  if (a == m_chosen_record) m_chosen = Chosen::None;
  m_actions.remove(a);
  fill_all_actions();
}

void TfmReview::delete_chosen() {
  Project* project = chosen_project();
  Action* action = chosen_action();
  if (!project && !action) return;
  if (!asked(project ? "Are you sure to delete this project?"
                     : "Are you sure to delete this action?"))
    return;
  const QPersistentModelIndex above = tvData->currentIndex().parent();
  m_chosen = Chosen::None;
  m_chosen_record = nullptr;
  if (project)
    m_projects.remove(project);  // the node goes with everything beneath it
  else
    m_actions.remove(action);
  // The tree has moved on, quietly, to a neighbour of the removed node or to the node above
  // it: that node is chosen as if the user had clicked it.
  QModelIndex next = tvData->currentIndex();
  if (!next.isValid()) next = above;
  m_ready = false;
  tvData->setCurrentIndex(next);
  m_ready = true;
  apply_selection_rule(next);
}

void TfmReview::forget(const void* record, Chosen kind) {
  const bool was_ready = std::exchange(m_ready, false);
  const QPersistentModelIndex before = selected_node();
  m_tree->forget(record);
  // The tree selects a neighbour of a removed node on its own; nothing was chosen by that, and
  // a click on that node must choose it.
  if (selected_node() != QModelIndex(before)) tvData->clearSelection();
  m_ready = was_ready;
  for (RecordListView* list : {lvAllProjects, lvAllActions, lvAction}) list->rows().forget(record);
  if (m_chosen == kind && (!record || record == m_chosen_record)) m_chosen_record = nullptr;
  update_list_buttons();
}
