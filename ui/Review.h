#pragma once

#include <memory>

#include "app/Apputil.h"
#include "ui/Page.h"
#include "ui/RecordListView.h"
#include "ui/ReviewTree.h"

class NotesField;
class DateTimePickers;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimeEdit;
class QTreeView;

// Where the user reviews every project and action: a tree of the projects with their steps and
// of the simple actions, and beside it the list of all projects, the list of all actions, or
// the details of the chosen project or action, with buttons to add, edit and delete them. The
// editors it opens come back here; every show builds the tree afresh and chooses again what was
// chosen, unless it was removed meanwhile.
class TfmReview : public TfmPage {
  Q_OBJECT

 public:
  TfmReview(Navigator& nav, ZorvoProjectMgr& projects, ZorvoActionMgr& actions,
            const Settings& settings);

  bool sync(bool commit) override;

  // What the tree's selection chose; a record removed meanwhile reads as none, with its kind
  // kept until the next choice.
  enum class Chosen { None, Project, Action };
  Chosen chosen() const { return m_chosen; }
  const void* chosen_record() const { return m_chosen_record; }

 private:
  // A list tab: the list of every record of a kind, with its buttons below it.
  struct TabButton {
    const char* caption;
    const char* name;
    QPushButton** made;
  };
  struct ListTab {
    const char* tab_name;
    const char* title;
    const char* list_name;
    RecordListView::Column column;
    RecordListModel::CellText cell;
    std::vector<TabButton> buttons;
  };

  void build();
  QWidget* add_tab(const char* name, const char* title);
  RecordListView* add_list_tab(QWidget*& tab, const ListTab& info);
  void build_project_tab();
  void build_action_tab();
  void connect_buttons();

  void rebuild_tree();
  void choose_node(const QModelIndex& index, QWidget* tab = nullptr);
  QModelIndex selected_node() const;
  void node_selected();
  void apply_selection_rule(const QModelIndex& node);
  void show_detail_tab(QWidget* shown);
  void fill_all_projects();
  void fill_all_actions();
  void fill_project(const Project& project);
  void fill_action(const Action& action);
  void update_list_buttons();

  Project* chosen_project() const;
  Action* chosen_action() const;
  bool asked(const char* question);
  void delete_listed_project();
  void delete_listed_action();
  void delete_chosen();
  // A record left its store: its node and rows go, and a choice of it reads as not found.
  void forget(const void* record, Chosen kind);

  ZorvoProjectMgr& m_projects;
  ZorvoActionMgr& m_actions;
  const Settings& m_settings;
  ZorvoProjectMgr::Removals::Subscription m_project_removals;
  ZorvoActionMgr::Removals::Subscription m_action_removals;
  ProjectOutline m_outline;  // kept, so that every show builds it in the same memory
  Chosen m_chosen = Chosen::None;
  void* m_chosen_record = nullptr;
  // False while the tree is rebuilt or loses a node: its selection rule does nothing then.
  bool m_ready = false;

  ReviewTreeModel* m_tree;
  QTreeView* tvData;
  QTabWidget* pMain;
  QWidget* tProject;
  QWidget* tAction;
  QWidget* tAllProjects;
  QWidget* tAllActions;
  RecordListView* lvAllProjects;
  QPushButton* btnAddProject;
  QPushButton* btnDelProject;
  QPushButton* btnEditProject;
  RecordListView* lvAllActions;
  QPushButton* btnAddAction;
  QPushButton* btnEditAction;
  QPushButton* btnDelAction;
  QLineEdit* edtProjectDesc;
  NotesField* memProjectNotes;
  QPushButton* btnProjectEdit;
  QPushButton* btnProjectDel;
  RecordListView* lvAction;
  QLineEdit* edtActionDesc;
  NotesField* memActionNotes;
  QRadioButton* rbtnASAP;
  QRadioButton* rbtnDelegate;
  QLineEdit* edtDelegate;
  QRadioButton* rbtnSchedule;
  std::unique_ptr<DateTimePickers> m_schedule;
  QDateEdit* pkScheduleDate;
  QTimeEdit* pkScheduleTime;
  QPushButton* btnActionEdit;
  QPushButton* btnActionDel;
};
