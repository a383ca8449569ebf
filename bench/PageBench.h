#pragma once

// What the benchmarks of a list page share: the whole program started headless on a data folder
// of its own, and the bare list it is measured against.

#include <QStringList>
#include <QTreeWidget>
#include <filesystem>
#include <memory>
#include <vector>

class Program;
class QAbstractItemModel;
class QTreeView;

// The program, started on an empty data folder that is removed when it ends.
class ProgramInTempHome {
 public:
  explicit ProgramInTempHome(const char* name);
  ~ProgramInTempHome();
  Program& program() { return *m_program; }

 private:
  std::filesystem::path m_home;
  std::unique_ptr<Program> m_program;
};

// A bare QTreeWidget beside a page's list: the same size, columns, and rows of text (check boxes
// and text colours included), copied out of the page's model once. Each fill makes its cell texts
// from plain strings, as any list of stored text must, and paints once, as a show does.
class BareList {
 public:
  explicit BareList(const QTreeView& list);
  void fill();
  int rows() const { return m_tree.topLevelItemCount(); }

 private:
  struct Row {
    std::vector<std::string> texts;
    QColor color;
  };
  QTreeWidget m_tree;
  std::vector<Row> m_rows;
};

// The widgets need an application object before any benchmark runs; headless unless the
// environment names a platform.
void make_application(const char* name);
