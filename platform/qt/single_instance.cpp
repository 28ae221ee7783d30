#include "platform/qt/single_instance.h"

#include <unistd.h>

#include <QDataStream>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
QString RuntimeFolder() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  return dir;
}

bool WriteWord(QLocalSocket& socket, quint32 word) {
  QByteArray bytes;
  QDataStream(&bytes, QIODevice::WriteOnly) << word;
  return socket.write(bytes) == bytes.size();
}

bool ReadWord(QLocalSocket& socket, int timeoutMs, quint32& word) {
  while (socket.bytesAvailable() < 4)
    if (!socket.waitForReadyRead(timeoutMs)) return false;
  QDataStream(socket.read(4)) >> word;
  return true;
}
}  // namespace

SingleInstance::SingleInstance(const QString& name, const QString& folder)
    : // Per user: the uid keeps two logged-on users apart, like a session-local mutex name.
      serverName_(QStringLiteral("%1-%2").arg(name).arg(::getuid())),
      lock_(std::make_unique<QLockFile>((folder.isEmpty() ? RuntimeFolder() : folder) + QLatin1Char('/') +
                                        serverName_ + QStringLiteral(".lock"))) {
  lock_->setStaleLockTime(0);  // a lock is stale only when its process is gone
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::TryBecomePrimary() {
  if (lock_->tryLock(0)) return true;
  // An error other than "held by a live process" counts as the first instance.
  return lock_->error() != QLockFile::LockFailedError;
}

bool SingleInstance::RequestShow() {
  QLocalSocket socket;
  socket.connectToServer(serverName_);
  if (!socket.waitForConnected(ReplyTimeoutMs)) return false;
  if (!WriteWord(socket, ShowInstanceMessage) || !socket.waitForBytesWritten(ReplyTimeoutMs)) return false;
  quint32 reply = 0;
  return ReadWord(socket, ReplyTimeoutMs, reply) && reply == ShowInstanceMessage;
}

bool SingleInstance::Listen() {
  QLocalServer::removeServer(serverName_);  // a socket file left by a crashed instance
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::Answer);
  return server_.listen(serverName_);
}

void SingleInstance::Answer() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      while (socket->bytesAvailable() >= 4) {
        quint32 word = 0;
        QDataStream(socket->read(4)) >> word;
        if (word != ShowInstanceMessage) continue;
        emit showRequested();
        WriteWord(*socket, ShowInstanceMessage);
      }
    });
  }
}
