#include "support/ProgramFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <filesystem>

ProgramFixture::ProgramFixture() {
  std::filesystem::create_directories(data_folder());
}

ProgramFixture::~ProgramFixture() {
  // A test that did not exit still must not leave the window or its thread behind.
  program.reset();
}

void ProgramFixture::start() {
  start(pages_with_stubs());
}

void ProgramFixture::start(std::vector<PageSlot> pages) {
  program = std::make_unique<Program>(std::move(pages));
  m_ended = false;
  ASSERT_TRUE(program->start());
  QObject::connect(program->main_window(), &TfmMain::ended, [this] { m_ended = true; });
  // Keyboard shortcuts reach only the active window.
  main().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
}

void ProgramFixture::exit_program() {
  click("btnExit");
  EXPECT_TRUE(m_ended) << "the program did not end";
}

void ProgramFixture::click(QWidget* w) {
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(w->isEnabled()) << w->objectName().toStdString() << " is disabled";
  if (auto* b = qobject_cast<QAbstractButton*>(w))
    b->click();
  else
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
  QApplication::processEvents();
}

RecordListView* ProgramFixture::list(int32_t page_id) {
  RecordListView* l = page(page_id)->findChild<RecordListView*>();
  EXPECT_NE(l, nullptr) << "page " << page_id << " has no list";
  return l;
}

int ProgramFixture::rows(int32_t page_id) {
  return list(page_id)->model()->rowCount();
}

QString ProgramFixture::cell(int32_t page_id, int row, int column) {
  return list(page_id)->model()->index(row, column).data().toString();
}

void ProgramFixture::tick(int32_t page_id, int row, bool ticked) {
  QAbstractItemModel* m = list(page_id)->model();
  m->setData(m->index(row, 0), ticked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

bool ProgramFixture::ticked(int32_t page_id, int row) {
  return list(page_id)->model()->index(row, 0).data(Qt::CheckStateRole) == Qt::Checked;
}

void ProgramFixture::select(int32_t page_id, int row) {
  list(page_id)->setCurrentIndex(list(page_id)->model()->index(row, 0));
}

void ProgramFixture::type(int32_t page_id, const char* field, const QString& text) {
  auto* edit = control<QLineEdit>(page(page_id), field);
  edit->setFocus();
  edit->selectAll();
  edit->insert(text);  // what typing or an input method commits, within the field's limit
}
