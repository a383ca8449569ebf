#include <QApplication>

#include "app/Main.h"
#include "app/Program.h"
#include "ui/Pictures.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vantrel Wizard");
  // The desktop matches the window to its menu entry and icon by this name.
  QGuiApplication::setDesktopFileName("example.vantrel_wizard.VantrelWizard");
  QApplication::setWindowIcon(pictures::program_icon());
  // Closing the window only puts the program in the notification area.
  QApplication::setQuitOnLastWindowClosed(false);
  Program program;
  if (!program.start()) return 0;
  QObject::connect(program.main_window(), &TfmMain::ended, &app, &QCoreApplication::quit);
  return QApplication::exec();
}
