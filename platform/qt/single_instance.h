#pragma once
// One running instance per user. A per-user lock file named after the instance name plays the
// named mutex; the running instance listens on a per-user local socket. A second start sends the
// show request (0x8002), waits at most 200 ms for the reply 0x8002, and ends.
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  static constexpr quint32 ShowInstanceMessage = 0x8002;
  static constexpr int ReplyTimeoutMs = 200;

  // folder: where the lock file lives (the user's runtime folder by default).
  explicit SingleInstance(const QString& name, const QString& folder = QString());
  ~SingleInstance() override;

  // True when this process is the first instance; it then keeps the lock for its whole life.
  bool TryBecomePrimary();
  // Second instance: asks the running one to show itself. True when it answered in time.
  bool RequestShow();
  // First instance: starts answering show requests (emits showRequested for each).
  bool Listen();

 signals:
  void showRequested();

 private:
  void Answer();

  QString serverName_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer server_;
};
