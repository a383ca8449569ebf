#pragma once

#include <QObject>

// Turns the requests to terminate that the system sends (SIGTERM, SIGINT, SIGHUP) into a Qt
// signal on the user-interface thread, so that the program ends through its normal exit and
// saves what changed. The signal handler itself only writes a byte to a pipe.
class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  explicit TerminationSignals(QObject* parent = nullptr);
  ~TerminationSignals() override;

 signals:
  void received();
};
