#include <gtest/gtest.h>

#include <QApplication>

namespace {

// A critical message is a mistake the program reports about itself (a page asked for what it
// does not do): it fails the test that caused it.
void fail_on_critical(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    ADD_FAILURE() << "critical message: " << message.toStdString();
  else
    fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

// Widget tests run headless unless a display is asked for.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(fail_on_critical);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
