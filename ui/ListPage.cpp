#include "ui/ListPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/Prompts.h"
#include "ui/Widgets.h"

TfmListPage::TfmListPage(Navigator& nav, const Settings& settings, const ListPageInfo& info)
    : TfmPage(nav, info.form_class), m_settings(settings), m_info(info) {
  QLabel* lblTitle = page_heading(info.title, "lblTitle", this);

  m_list = new RecordListView(
      info.list_name, info.columns, info.check_boxes,
      [this](const void* record, int column) { return cell_text(record, column); }, this);
  if (info.date_column >= 0) m_list->fit_date_column(info.date_column);
  m_first_field = m_list;

  pmAction = new QMenu(this);
  pmAction->setObjectName("pmAction");
  auto standard = [this](ListButton which, const QString& caption, const char* name,
                         const char* menu_caption, const char* menu_name, QAction** entry) {
    if (!(m_info.buttons & which)) return static_cast<QPushButton*>(nullptr);
    QPushButton* b = list_button(caption, name, this);
    QAction* a = pmAction->addAction(menu_caption);
    a->setObjectName(menu_name);
    connect(a, &QAction::triggered, b, &QPushButton::click);
    if (entry) *entry = a;
    return b;
  };
  btnSelAll =
      standard(kSelectAll, "Select All", "btnSelAll", "Select All", "pmiSelAll", &pmiSelAll);
  btnClear = standard(kClear, "Clear", "btnClear", "Clear", "pmiClear", &pmiClear);
  if (!pmAction->isEmpty()) pmAction->addSeparator();
  btnAdd = standard(kAdd, "Add", "btnAdd", info.menu_add, "pmiAdd", nullptr);
  btnProp =
      standard(kDetails, info.details_caption, "btnProp", info.menu_details, "pmiProp", &pmiProp);
  btnDelete = standard(kDelete, "Delete", "btnDelete", info.menu_delete, "pmiDelete", &pmiDelete);

  if (btnSelAll)
    connect(btnSelAll, &QPushButton::clicked, this, [this] { rows().set_all_ticked(true); });
  if (btnClear)
    connect(btnClear, &QPushButton::clicked, this, [this] { rows().set_all_ticked(false); });
  if (btnAdd) connect(btnAdd, &QPushButton::clicked, this, [this] { add_new(); });
  if (btnProp) connect(btnProp, &QPushButton::clicked, this, [this] { details(); });
  if (btnDelete) connect(btnDelete, &QPushButton::clicked, this, [this] { delete_ticked(); });
  connect(m_list, &QAbstractItemView::doubleClicked, this, [this] { details(); });
  connect(&rows(), &RecordListModel::ticks_changed, this, [this] { update_buttons(); });
  connect(m_list, &RecordListView::selection_changed, this, [this] { update_buttons(); });
  connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    if (pmAction->isEmpty()) return;
    update_buttons();
    pmAction->popup(m_list->viewport()->mapToGlobal(at));
  });
  // The keyboard: Delete removes the ticked rows, Enter opens the selected one.
  auto* del = new QShortcut(QKeySequence::Delete, m_list, nullptr, nullptr, Qt::WidgetShortcut);
  connect(del, &QShortcut::activated, this, [this] {
    if (btnDelete && rows().ticked_count() > 0) delete_ticked();
  });
  for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* open_key = new QShortcut(QKeySequence(key), m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(open_key, &QShortcut::activated, this, [this] { details(); });
  }

  m_buttons = new QHBoxLayout;
  m_buttons->setSpacing(8);
  for (QPushButton* b : {btnSelAll, btnClear, btnAdd, btnProp, btnDelete})
    if (b) m_buttons->addWidget(b);
  m_buttons->addStretch();

  m_page = new QVBoxLayout(this);
  m_page->setContentsMargins(18, 14, 18, 14);
  m_page->setSpacing(10);
  m_page->addWidget(lblTitle);
  m_page->addWidget(m_list, 1);
  m_page->addLayout(m_buttons);
}

void TfmListPage::add_above_list(QLayout* controls) {
  m_page->insertLayout(m_page->indexOf(m_list), controls);
}

QPushButton* TfmListPage::add_extra_button(const char* name, const QString& caption,
                                           const char* menu_name, const QString& menu_caption,
                                           bool new_menu_group) {
  QPushButton* b = list_button(caption, name, this);
  m_buttons->insertWidget(m_buttons->count() - 1, b);
  if (new_menu_group) pmAction->addSeparator();
  QAction* a = pmAction->addAction(menu_caption);
  a->setObjectName(menu_name);
  connect(a, &QAction::triggered, b, &QPushButton::click);
  return b;
}

bool TfmListPage::sync(bool commit) {
  if (!commit) refill();
  return true;
}

void TfmListPage::refill() {
  rows().set_records(records_to_list());
  update_buttons();
}

void TfmListPage::update_buttons() {
  const bool any = rows().count() > 0;
  const bool ticked = rows().ticked_count() > 0;
  const bool selected = selected_record() != nullptr;
  auto enable = [](QPushButton* b, QAction* a, bool on) {
    if (b) b->setEnabled(on);
    if (a) a->setEnabled(on);
  };
  enable(btnSelAll, pmiSelAll, any);
  enable(btnClear, pmiClear, ticked);
  enable(btnDelete, pmiDelete, ticked);
  enable(btnProp, pmiProp, selected);
}

void TfmListPage::details() {
  if (!btnProp) return;
  if (void* record = selected_record()) open(record);
}

void TfmListPage::delete_ticked() {
  std::vector<void*> ticked = rows().ticked_records();
  if (ticked.empty()) return;
  const int n = static_cast<int>(ticked.size());
  if (m_settings.AlertDeletion &&
      !confirm(this, QString::asprintf(m_info.question, n, n == 1 ? m_info.one : m_info.many)))
    return;
  // The list is filled again afterwards: empty it first, so that each removal does not have to
  // look for its row.
  rows().set_records({});
  remove_records(ticked);
  refill();
}
