#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

// One running copy of the program per data folder: two copies would overwrite each other's
// files. The first copy holds a lock in the data folder and listens for later starts; a later
// start asks it to bring its window forward and ends without touching any file. A lock left by
// a copy that crashed is recognised as stale and taken over.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(const QString& data_folder);

  enum class Lock {
    Acquired,       // this is the only running copy for the folder
    HeldElsewhere,  // another copy holds the lock
    Unavailable,    // the lock file cannot be made (a read-only folder, a full disk)
  };
  Lock acquire();
  // The lock file's path.
  QString lock_file() const { return m_lock_file; }
  // Asks the running copy to come forward; false when none answered.
  bool wake_running_copy();

 signals:
  // Another start found this copy running.
  void woken();

 private:
  QString m_lock_file;
  QLockFile m_lock;
  QString m_server_name;
  QLocalServer m_server;
};
