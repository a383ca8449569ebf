#include "ui/Plan.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/Ansi.h"
#include "ui/LinkLabel.h"
#include "ui/ListCells.h"
#include "ui/Navigator.h"
#include "ui/PageIds.h"
#include "ui/RecordListView.h"
#include "ui/Widgets.h"

namespace {

QRadioButton* radio(const char* caption, const char* name, QWidget* parent) {
  auto* b = new QRadioButton(caption, parent);
  b->setObjectName(name);
  return b;
}

// The text of the record an item became: shown only.
QLineEdit* shown_text(const char* name, QWidget* parent) {
  auto* t = new QLineEdit(parent);
  t->setObjectName(name);
  t->setReadOnly(true);
  t->setEnabled(false);
  return t;
}

QPushButton* edit_button(const char* name, QWidget* parent) {
  auto* b = new QPushButton("Edit", parent);
  b->setObjectName(name);
  b->setMinimumWidth(64);
  return b;
}

// The rows of the options on a tab, below one another.
QGridLayout* option_grid(QWidget* tab) {
  auto* grid = new QGridLayout(tab);
  grid->setContentsMargins(12, 14, 12, 10);
  grid->setVerticalSpacing(12);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(3, 1);
  return grid;
}

// One thing an item can become: its option, the description of the record it became, and the
// button that opens that record.
struct OptionNames {
  const char* caption;
  const char* radio;
  const char* text;
  const char* edit;
};

void add_option(QGridLayout* grid, int row, const OptionNames& names, QRadioButton*& option,
                QLineEdit*& text, QPushButton*& edit) {
  QWidget* tab = grid->parentWidget();
  option = radio(names.caption, names.radio, tab);
  text = shown_text(names.text, tab);
  edit = edit_button(names.edit, tab);
  grid->addWidget(option, row, 0);
  grid->addWidget(text, row, 1);
  grid->addWidget(edit, row, 2);
}

QButtonGroup* group_of(std::initializer_list<QRadioButton*> buttons, QObject* parent) {
  auto* g = new QButtonGroup(parent);
  for (QRadioButton* b : buttons) g->addButton(b);
  return g;
}

}  // namespace

TfmPlan::TfmPlan(Navigator& nav, ZorvoInboxItemMgr& inbox, const ProcessingStores& stores)
    : TfmPage(nav, "TfmPlan"), m_inbox(inbox), m_stores(stores) {
  build();
  connect_handlers();
  reset();
  m_removals = inbox.listen_removal([this](const InboxItem* item) { forget_item(item); });
}

void TfmPlan::build() {
  QLabel* Label1 = page_heading("Process Inbox Stuff Here:", "Label1", this);
  auto* lblInbox = new LinkLabel("( Go To Inbox )", "lblInbox", this);
  QFont bold = lblInbox->font();
  bold.setBold(true);
  lblInbox->setFont(bold);
  connect(lblInbox, &LinkLabel::clicked, this, [this] { m_nav.show_page(kPageInbox, true); });

  lvItem = new RecordListView(
      "lvItem", {{"Description", 200}}, false,
      [](const void* r, int) {
        return cells::one_line(static_cast<const InboxItem*>(r)->name.view());
      },
      this);
  lvItem->setMinimumWidth(230);
  lvItem->setMaximumWidth(260);
  m_first_field = lvItem;

  edtDesc = shown_text("edtDesc", this);
  btnItemEdit = edit_button("btnItemEdit", this);
  rbtnActionable = radio("Yes", "rbtnActionable", this);
  rbtnNotActionable = radio("No", "rbtnNotActionable", this);
  group_of({rbtnActionable, rbtnNotActionable}, this);

  pDetail = new QTabWidget(this);
  pDetail->setObjectName("pDetail");
  tActionable = new QWidget;
  tActionable->setObjectName("tActionable");
  tNotActionable = new QWidget;
  tNotActionable->setObjectName("tNotActionable");
  pDetail->addTab(tActionable, "Process Actionable Stuff");
  pDetail->addTab(tNotActionable, "Process Non-Actionable Stuff");

  QGridLayout* actionable = option_grid(tActionable);
  add_option(actionable, 0, {"One Step Next Action", "rbtnAction", "edtAction", "btnActionEdit"},
             rbtnAction, edtAction, btnActionEdit);
  add_option(actionable, 1,
             {"Project (Multi-Steps)", "rbtnProject", "edtProject", "btnProjectEdit"}, rbtnProject,
             edtProject, btnProjectEdit);
  group_of({rbtnAction, rbtnProject}, this);

  QGridLayout* not_actionable = option_grid(tNotActionable);
  rbtnTrash = radio("Move to Trash and Ignore it", "rbtnTrash", tNotActionable);
  not_actionable->addWidget(rbtnTrash, 0, 0, 1, 3);
  add_option(not_actionable, 1,
             {"Add to Someday/Maybe List:", "rbtnSomeday", "edtSomeday", "btnSomedayEdit"},
             rbtnSomeday, edtSomeday, btnSomedayEdit);
  add_option(not_actionable, 2, {"Add to Reference:", "rbtnRef", "edtRef", "btnRefEdit"}, rbtnRef,
             edtRef, btnRefEdit);
  group_of({rbtnTrash, rbtnSomeday, rbtnRef}, this);

  cbProcess =
      new QCheckBox("This stuff is processed completely and shall be removed from inbox.", this);
  cbProcess->setObjectName("cbProcess");

  auto* heading = new QHBoxLayout;
  heading->addWidget(Label1);
  heading->addSpacing(12);
  heading->addWidget(lblInbox);
  heading->addStretch();

  auto* decision = new QGridLayout;
  decision->setHorizontalSpacing(10);
  decision->setVerticalSpacing(10);
  decision->addWidget(named_label("Description:", "Label2", this), 0, 0);
  decision->addWidget(edtDesc, 0, 1);
  decision->addWidget(btnItemEdit, 0, 2);
  auto* yes_no = new QHBoxLayout;
  yes_no->setSpacing(24);
  yes_no->addWidget(rbtnActionable);
  yes_no->addWidget(rbtnNotActionable);
  yes_no->addStretch();
  decision->addWidget(named_label("Actionable:", "Label3", this), 1, 0);
  decision->addLayout(yes_no, 1, 1, 1, 2);
  decision->addWidget(pDetail, 2, 0, 1, 3);
  decision->addWidget(cbProcess, 3, 0, 1, 3);
  decision->setColumnStretch(1, 1);
  decision->setRowStretch(2, 1);

  auto* body = new QHBoxLayout;
  body->setSpacing(14);
  body->addWidget(lvItem);
  body->addLayout(decision, 1);

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(18, 14, 18, 12);
  page->setSpacing(10);
  page->addLayout(heading);
  page->addLayout(body, 1);
}

void TfmPlan::connect_handlers() {
  connect(lvItem, &RecordListView::selection_changed, this, &TfmPlan::selection_changed);
  // A radio button's handling runs whenever it becomes selected, by the user or by the page;
  // the box's whenever it changes, except while an item loads.
  for (QRadioButton* b : {rbtnActionable, rbtnNotActionable, rbtnAction, rbtnProject, rbtnTrash,
                          rbtnSomeday, rbtnRef})
    connect(b, &QRadioButton::toggled, this, [this, b](bool on) {
      if (on) run_handling(b);
    });
  connect(cbProcess, &QCheckBox::toggled, this, &TfmPlan::box_handling);

  auto when_item = [this](QPushButton* b, auto handoff) {
    connect(b, &QPushButton::clicked, this, [this, handoff] {
      if (m_item) handoff(*m_item);
    });
  };
  when_item(btnItemEdit,
            [this](InboxItem& item) { m_nav.open_editor(kPageOneItem, &item, kPageProcess); });
  when_item(btnActionEdit, [this](InboxItem& item) {
    m_nav.open_editor(kPageOneAction, next_action_for(m_stores.actions, item), kPageProcess);
  });
  when_item(btnProjectEdit, [this](InboxItem& item) {
    m_nav.open_editor(kPageOneProject, project_for(m_stores.projects, item), kPageProcess);
  });
  when_item(btnSomedayEdit, [this](InboxItem& item) {
    m_nav.open_editor(kPageOneSomeday, someday_for(m_stores.someday, item), kPageProcess);
  });
  when_item(btnRefEdit, [this](InboxItem& item) {
    m_nav.open_editor(kPageOneRef, reference_for(m_stores.refs, item), kPageProcess);
  });
}

bool TfmPlan::sync(bool commit) {
  if (commit) return true;
  std::vector<void*> unprocessed;
  for (InboxItem* i : m_inbox.records())
    if (i->process_status != kProcessed) unprocessed.push_back(i);
  lvItem->rows().set_records(std::move(unprocessed));
  const int row = lvItem->rows().row_of(m_item);
  // Selecting a row loads its item; an item no longer listed is committed and left.
  lvItem->select_row(row >= 0 ? row : 0);
  return true;
}

void TfmPlan::selection_changed() {
  auto* selected = static_cast<InboxItem*>(lvItem->selected_record());
  if (!selected) return;
  if (selected != m_item) {
    if (m_item) commit();
    m_item = selected;
  }
  load();
}

void TfmPlan::load() {
  const InboxItem& item = *m_item;
  edtDesc->setText(from_ansi(item.name.view()));
  {
    const QSignalBlocker quiet(cbProcess);  // loading does not run the box's handling
    cbProcess->setChecked(item.process_status == kProcessed);
  }
  const Outcome outcome = recorded_outcome(item);
  if (item.actionable != 0) {
    select_and_run(rbtnActionable);
    (outcome == Outcome::Project ? rbtnProject : rbtnAction)->setChecked(true);
  } else {
    select_and_run(rbtnNotActionable);
    (outcome == Outcome::Someday     ? rbtnSomeday
     : outcome == Outcome::Reference ? rbtnRef
                                     : rbtnTrash)
        ->setChecked(true);
  }
  const QString linked = from_ansi(linked_description(m_stores, item, outcome));
  const struct {
    QLineEdit* text;
    Outcome shows;
  } texts[] = {{edtAction, Outcome::NextAction},
               {edtProject, Outcome::Project},
               {edtSomeday, Outcome::Someday},
               {edtRef, Outcome::Reference}};
  for (const auto& t : texts) t.text->setText(t.shows == outcome ? linked : QString());
}

void TfmPlan::commit() {
  commit_decision(m_inbox, *m_item,
                  {rbtnActionable->isChecked(), not_actionable_choice(), cbProcess->isChecked()});
}

void TfmPlan::reset() {
  edtDesc->clear();
  select_and_run(rbtnActionable);
  cbProcess->setChecked(false);
  select_and_run(rbtnAction);
  edtAction->clear();
  edtProject->clear();
  select_and_run(rbtnTrash);
  edtSomeday->clear();
  edtRef->clear();
}

void TfmPlan::forget_item(const InboxItem* item) {
  // The row goes quietly: neither its removal nor the neighbour the list selects in its place
  // loads or commits anything.
  const QSignalBlocker quiet(lvItem);
  lvItem->rows().forget(item);
  if (m_item && (!item || item == m_item)) {
    m_item = nullptr;
    reset();
  }
  // A selected row is always the shown item's, so that a click on any other row loads it.
  if (lvItem->selected_record() != m_item) lvItem->clearSelection();
}

void TfmPlan::select_and_run(QRadioButton* button) {
  if (button->isChecked())
    run_handling(button);
  else
    button->setChecked(true);  // runs the handling
}

void TfmPlan::run_handling(QRadioButton* button) {
  if (button == rbtnActionable) return set_actionable(true);
  if (button == rbtnNotActionable) return set_actionable(false);
  const bool action = button == rbtnAction, project = button == rbtnProject;
  if (action || project) {
    btnActionEdit->setEnabled(action);
    btnProjectEdit->setEnabled(project);
    return;
  }
  btnSomedayEdit->setEnabled(button == rbtnSomeday);
  btnRefEdit->setEnabled(button == rbtnRef);
  if (button == rbtnTrash) box_handling();
}

void TfmPlan::set_actionable(bool actionable) {
  if (m_item) m_item->actionable = actionable ? 1 : 0;
  apply_tab_rule();
}

void TfmPlan::apply_tab_rule() {
  const bool actionable = rbtnActionable->isChecked();
  QWidget* shown = actionable ? tActionable : tNotActionable;
  QWidget* hidden = actionable ? tNotActionable : tActionable;
  pDetail->setTabVisible(pDetail->indexOf(shown), true);
  shown->setEnabled(true);
  pDetail->setCurrentWidget(shown);
  pDetail->setTabVisible(pDetail->indexOf(hidden), false);
  // Nothing on the hidden tab can be used, not even by a way around its tab.
  hidden->setEnabled(false);
}

void TfmPlan::box_handling() {
  if (m_item) m_item->process_status = cbProcess->isChecked() ? kProcessed : kProcessing;
}

Outcome TfmPlan::not_actionable_choice() const {
  if (rbtnSomeday->isChecked()) return Outcome::Someday;
  if (rbtnRef->isChecked()) return Outcome::Reference;
  return Outcome::Trash;
}
