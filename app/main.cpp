#include <QApplication>
#include <csignal>

#include "app/Main.h"
#include "app/Program.h"
#include "ui/Pictures.h"

int main(int argc, char** argv) {
#ifdef SIGXFSZ
  // A file grown past the size the system allows must fail its write, which the save notices
  // and reports, instead of ending the program in the middle of saving.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vantrel Wizard");
  // The desktop matches the window to its menu entry and icon by this name.
  QGuiApplication::setDesktopFileName("example.vantrel_wizard.VantrelWizard");
  QApplication::setWindowIcon(pictures::program_icon());
  // Closing the window only puts the program in the notification area.
  QApplication::setQuitOnLastWindowClosed(false);
  Program program;
  if (!program.start()) return program.exit_code();
  QObject::connect(program.main_window(), &TfmMain::ended, &app, &QCoreApplication::quit);
  QApplication::exec();
  return program.exit_code();
}
