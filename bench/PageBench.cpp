#include "PageBench.h"

#include <QApplication>
#include <QHeaderView>
#include <QTreeView>

#include "app/Main.h"
#include "app/Program.h"
#include "common/misc/WinUtil.h"

ProgramInTempHome::ProgramInTempHome(const char* name) {
  m_home = std::filesystem::temp_directory_path() /
           (std::string("zorvo-") + name + "-" + platform::unique_suffix());
  std::filesystem::create_directories(m_home);
  qputenv("XDG_DATA_HOME", QByteArray::fromStdString(m_home.string()));
  m_program = std::make_unique<Program>();
  m_program->start();
}

ProgramInTempHome::~ProgramInTempHome() {
  m_program->main_window()->exit_without_questions();
  m_program.reset();
  std::filesystem::remove_all(m_home);
}

BareList::BareList(const QTreeView& list) {
  const QAbstractItemModel* shown = list.model();
  QStringList titles;
  for (int c = 0; c < shown->columnCount(); ++c)
    titles << shown->headerData(c, Qt::Horizontal).toString();
  m_tree.setColumnCount(static_cast<int>(titles.size()));
  m_tree.setHeaderLabels(titles);
  for (int c = 0; c < shown->columnCount(); ++c) m_tree.setColumnWidth(c, list.columnWidth(c));
  m_tree.resize(list.size());
  m_tree.show();
  for (int r = 0; r < shown->rowCount(); ++r) {
    Row row;
    for (int c = 0; c < shown->columnCount(); ++c)
      row.texts.push_back(shown->index(r, c).data().toString().toStdString());
    row.color = shown->index(r, 0).data(Qt::ForegroundRole).value<QColor>();
    m_rows.push_back(std::move(row));
  }
}

void BareList::fill() {
  m_tree.clear();
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(m_rows.size()));
  for (const Row& row : m_rows) {
    QStringList cells;
    for (const std::string& text : row.texts) cells << QString::fromStdString(text);
    auto* item = new QTreeWidgetItem(cells);
    item->setCheckState(0, Qt::Unchecked);
    if (row.color.isValid())
      for (int c = 0; c < cells.size(); ++c) item->setForeground(c, row.color);
    items.append(item);
  }
  m_tree.addTopLevelItems(items);
  m_tree.repaint();
}

void make_application(const char* name) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static std::string program_name = name;
  static char* argv[] = {program_name.data(), nullptr};
  static QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
}
