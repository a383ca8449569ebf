#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTest>
#include <memory>
#include <string>

#include "app/Main.h"
#include "app/Program.h"
#include "support/FakeClock.h"
#include "support/ScriptedPrompts.h"
#include "support/StubPages.h"
#include "support/TempFolder.h"
#include "ui/Page.h"
#include "ui/RecordListView.h"

// Test failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

// Starts the whole program inside the test, on a temporary data folder, with scripted prompts
// and a stand-in for every page that is not built yet; the test drives it through its widgets
// and ends it through the same exit the user takes.
class ProgramFixture : public ::testing::Test {
 protected:
  ProgramFixture();
  ~ProgramFixture() override;

  // The data folder; store files written here before start() are what the program loads.
  std::string data_folder() const { return home.path() + "morvane/Zorvo-Wizard/"; }
  std::string data_file(const std::string& name) const { return data_folder() + name; }

  // Starts the program with its pages (a stand-in for each page not built yet), or with `pages`.
  void start();
  void start(std::vector<PageSlot> pages);
  // Presses Exit; the program must end.
  void exit_program();
  bool ended() const { return m_ended; }

  TfmMain& main() { return *program->main_window(); }
  Globals& g() { return program->globals(); }
  TfmPage* page(int32_t id) { return main().page_by_id(id); }
  int32_t current_page() { return main().history().current_page_id(); }
  StubPage* stub(int32_t id) { return dynamic_cast<StubPage*>(page(id)); }

  // A control of the main window or of a page, by its name; fails the test when missing.
  template <class W = QWidget>
  W* control(QWidget* parent, const char* name) {
    W* w = parent ? parent->findChild<W*>(name) : nullptr;
    EXPECT_NE(w, nullptr) << "no control " << name;
    return w;
  }
  template <class W = QWidget>
  W* control(const char* name) {
    return control<W>(&main(), name);
  }
  // Clicks a control the way the user does.
  void click(QWidget* w);
  void click(int32_t page_id, const char* name) { click(control(page(page_id), name)); }
  void click(const char* name) { click(control(name)); }

  // The list control of a list page, its rows, cells and ticks.
  RecordListView* list(int32_t page_id);
  int rows(int32_t page_id);
  QString cell(int32_t page_id, int row, int column);
  void tick(int32_t page_id, int row, bool ticked = true);
  bool ticked(int32_t page_id, int row);
  void select(int32_t page_id, int row);
  // Replaces a one-line field's text the way typing does.
  void type(int32_t page_id, const char* field, const QString& text);
  bool enabled(int32_t page_id, const char* name) {
    return control(page(page_id), name)->isEnabled();
  }

  TempFolder home{true};
  FakeClock clock{46000.5};  // 12:00 on a fixed day
  ScriptedPrompts prompts;
  std::unique_ptr<Program> program;

 private:
  bool m_ended = false;
};

// A program fixture whose tests end the program through Exit, as the user does, when the test
// itself did not: what a page still holds is committed and saved, as at every real exit.
class ExitingProgramFixture : public ProgramFixture {
 protected:
  void TearDown() override {
    if (program && !ended()) exit_program();
  }
};
