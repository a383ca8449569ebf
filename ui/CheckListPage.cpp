#include "ui/CheckListPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/Prompts.h"
#include "ui/Widgets.h"

namespace {

// A row and the record it shows.
class RecordRow : public QTreeWidgetItem {
 public:
  RecordRow(const QStringList& cells, void* record) : QTreeWidgetItem(cells), record(record) {
    setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    setCheckState(0, Qt::Unchecked);
  }
  void* const record;
};

void* record_of(QTreeWidgetItem* item) { return item ? static_cast<RecordRow*>(item)->record : nullptr; }

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setMinimumWidth(92);
  return b;
}

}  // namespace

TfmCheckList::TfmCheckList(TfmMain& main, Globals& globals, const ListPageInfo& info)
    : TfmPage(main, globals, info.form_class), m_info(info) {
  QLabel* lblTitle = page_heading(info.title, "lblTitle", this);

  m_list = new QTreeWidget(this);
  m_list->setObjectName(info.list_name);
  m_list->setRootIsDecorated(false);
  m_list->setUniformRowHeights(true);
  m_list->setAllColumnsShowFocus(true);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_list->setContextMenuPolicy(Qt::CustomContextMenu);
  QStringList titles;
  for (const auto& [title, width] : info.columns) titles << title;
  m_list->setHeaderLabels(titles);
  for (int c = 0; c < static_cast<int>(info.columns.size()); ++c)
    m_list->setColumnWidth(c, info.columns[static_cast<std::size_t>(c)].second);
  if (info.date_column >= 0) {
    // The widths suit a small font; a date must never be cut, whatever font the desktop uses.
    int needed = m_list->fontMetrics().horizontalAdvance("00/00/0000 00:00:00") + 14;
    m_list->setColumnWidth(info.date_column,
                           std::max(m_list->columnWidth(info.date_column), needed));
  }
  m_list->header()->setStretchLastSection(true);
  m_first_field = m_list;

  btnSelAll = button("Select All", "btnSelAll", this);
  btnClear = button("Clear", "btnClear", this);
  btnAdd = button("Add", "btnAdd", this);
  btnProp = button(info.details_caption, "btnProp", this);
  btnDelete = button("Delete", "btnDelete", this);

  pmAction = new QMenu(this);
  pmAction->setObjectName("pmAction");
  auto entry = [this](const QString& caption, const char* name, QPushButton* mirror) {
    QAction* a = pmAction->addAction(caption);
    a->setObjectName(name);
    connect(a, &QAction::triggered, mirror, &QPushButton::click);
    return a;
  };
  pmiSelAll = entry("Select All", "pmiSelAll", btnSelAll);
  pmiClear = entry("Clear", "pmiClear", btnClear);
  pmAction->addSeparator();
  entry(info.menu_add, "pmiAdd", btnAdd);
  pmiProp = entry(info.menu_details, "pmiProp", btnProp);
  pmiDelete = entry(info.menu_delete, "pmiDelete", btnDelete);

  connect(btnSelAll, &QPushButton::clicked, this, [this] { set_all_ticks(true); });
  connect(btnClear, &QPushButton::clicked, this, [this] { set_all_ticks(false); });
  connect(btnAdd, &QPushButton::clicked, this, [this] { add_new(); });
  connect(btnProp, &QPushButton::clicked, this, [this] { details(); });
  connect(btnDelete, &QPushButton::clicked, this, [this] { delete_ticked(); });
  connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { details(); });
  connect(m_list, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
    if (item->checkState(0) == Qt::Checked)
      m_ticked.insert(item);
    else
      m_ticked.erase(item);
    update_buttons();
  });
  connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this] { update_buttons(); });
  connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    update_buttons();
    pmAction->popup(m_list->viewport()->mapToGlobal(at));
  });
  // The keyboard: Delete removes the ticked rows, Enter opens the selected one.
  auto* del = new QShortcut(QKeySequence::Delete, m_list, nullptr, nullptr, Qt::WidgetShortcut);
  connect(del, &QShortcut::activated, this, [this] {
    if (!m_ticked.empty()) delete_ticked();
  });
  for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* open_key = new QShortcut(QKeySequence(key), m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(open_key, &QShortcut::activated, this, [this] { details(); });
  }

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(8);
  for (QPushButton* b : {btnSelAll, btnClear, btnAdd, btnProp, btnDelete}) buttons->addWidget(b);
  buttons->addStretch();
  m_buttons = buttons;

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(18, 14, 18, 14);
  page->setSpacing(10);
  page->addWidget(lblTitle);
  page->addWidget(m_list, 1);
  page->addLayout(buttons);
}

QPushButton* TfmCheckList::add_extra_button(const char* name, const QString& caption,
                                            const char* menu_name, const QString& menu_caption) {
  QPushButton* b = button(caption, name, this);
  auto* row = static_cast<QHBoxLayout*>(m_buttons);
  row->insertWidget(row->count() - 1, b);
  pmAction->addSeparator();
  QAction* a = pmAction->addAction(menu_caption);
  a->setObjectName(menu_name);
  connect(a, &QAction::triggered, b, &QPushButton::click);
  return b;
}

bool TfmCheckList::sync(bool commit) {
  if (!commit) refill();
  return true;
}

void TfmCheckList::refill() {
  m_list->setUpdatesEnabled(false);
  m_list->clear();
  m_ticked.clear();
  fill();
  m_list->addTopLevelItems(m_new_rows);
  m_new_rows.clear();
  m_list->setUpdatesEnabled(true);
  update_buttons();
}

void TfmCheckList::add_row(const QStringList& cells, void* record) {
  m_new_rows.append(new RecordRow(cells, record));  // listed by refill, with all the others
}

void TfmCheckList::forget_record(const void* record) {
  for (int i = m_list->topLevelItemCount() - 1; i >= 0; --i) {
    QTreeWidgetItem* item = m_list->topLevelItem(i);
    if (record && record_of(item) != record) continue;
    m_ticked.erase(item);
    delete item;
  }
  update_buttons();
}

void* TfmCheckList::selected_record() const {
  QList<QTreeWidgetItem*> rows = m_list->selectedItems();
  return rows.isEmpty() ? nullptr : record_of(rows.first());
}

void TfmCheckList::update_buttons() {
  const bool rows = m_list->topLevelItemCount() > 0;
  const bool ticked = !m_ticked.empty();
  const bool selected = !m_list->selectedItems().isEmpty();
  btnSelAll->setEnabled(rows);
  btnClear->setEnabled(ticked);
  btnDelete->setEnabled(ticked);
  btnProp->setEnabled(selected);
  pmiSelAll->setEnabled(rows);
  pmiClear->setEnabled(ticked);
  pmiDelete->setEnabled(ticked);
  pmiProp->setEnabled(selected);
}

void TfmCheckList::set_all_ticks(bool ticked) {
  for (int i = 0; i < m_list->topLevelItemCount(); ++i)
    m_list->topLevelItem(i)->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
}

void TfmCheckList::details() {
  if (void* record = selected_record()) open(record);
}

void TfmCheckList::delete_ticked() {
  std::vector<void*> ticked;
  for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = m_list->topLevelItem(i);
    if (item->checkState(0) == Qt::Checked) ticked.push_back(record_of(item));
  }
  if (ticked.empty()) return;
  const int n = static_cast<int>(ticked.size());
  if (m_g.settings.AlertDeletion &&
      !confirm(this, QString::asprintf(m_info.question, n, n == 1 ? m_info.one : m_info.many)))
    return;
  // The list is filled again afterwards: empty it first, so that each removal does not have to
  // look for its row.
  m_list->clear();
  m_ticked.clear();
  remove_records(ticked);
  refill();
}
