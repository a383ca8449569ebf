// The program as zorvo-wizard runs it, which then shows one page and stays idle: what
// bench/idle_cpu.sh measures with a page other than Home in sight.
//   idle_page <page identifier>

#include <QApplication>
#include <cstdlib>

#include "app/Main.h"
#include "app/Program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  Program program;
  if (argc < 2 || !program.start()) return 1;
  QObject::connect(program.main_window(), &TfmMain::ended, &app, &QCoreApplication::quit);
  program.main_window()->show_page(std::atoi(argv[1]), true);
  return QApplication::exec();
}
