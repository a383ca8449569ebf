#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalSocket>

SingleInstance::SingleInstance(const QString& data_folder)
    : m_lock_file(data_folder + "ZorvoWizard.lock"),
      m_lock(m_lock_file),
      m_server_name("vantrel-wizard-" +
                    QCryptographicHash::hash(data_folder.toUtf8(), QCryptographicHash::Sha1)
                        .toHex()
                        .left(20)) {
  // A long run is not a stale lock: only a copy that is gone leaves one.
  m_lock.setStaleLockTime(0);
}

SingleInstance::Lock SingleInstance::acquire() {
  if (!m_lock.tryLock(0))
    return m_lock.error() == QLockFile::LockFailedError ? Lock::HeldElsewhere : Lock::Unavailable;
  // The lock is ours, so a server of that name is a leftover of a crashed copy.
  QLocalServer::removeServer(m_server_name);
  connect(&m_server, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* s = m_server.nextPendingConnection()) {
      connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
      emit woken();
    }
  });
  m_server.listen(m_server_name);
  return Lock::Acquired;
}

bool SingleInstance::wake_running_copy() {
  QLocalSocket socket;
  socket.connectToServer(m_server_name);
  if (!socket.waitForConnected(2000)) return false;
  socket.disconnectFromServer();
  return true;
}
