#include "support/ProgramFixture.h"

#include <QApplication>
#include <filesystem>

ProgramFixture::ProgramFixture() { std::filesystem::create_directories(data_folder()); }

ProgramFixture::~ProgramFixture() {
  // A test that did not exit still must not leave the window or its thread behind.
  program.reset();
}

void ProgramFixture::start() {
  program = std::make_unique<Program>(pages_with_stubs());
  ASSERT_TRUE(program->start());
  QObject::connect(program->main_window(), &TfmMain::ended, [this] { m_ended = true; });
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
