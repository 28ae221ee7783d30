#pragma once
// COMTread: the background thread that reads the controller link, serial or USB HID, decodes its
// frames and hands each packet to the window by a blocking call into the window's thread.
//
// Life of a reader:
//  - Create it on the window's thread (it must live there: its hand-offs run in that thread's
//    event loop), connect to its finished() signal, then start() it. It counts as running
//    (ReaderStopped false) from its creation.
//  - Terminate() asks it to stop; for a HID reader clearing LinkState::HidMode does too.
//  - It deletes itself once it has ended (deleteLater on finished()). Keep it in a QPointer and
//    never call it after finished().
//  - Before the window closes or is destroyed, call StopReaderAndWait().
#include <QPointer>
#include <QThread>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "device/frame_codec.h"
#include "device/reader/link_state.h"

class COMTread final : public QThread, private PacketHandoff {
  Q_OBJECT

 public:
  // A HID reader when link.HidMode is set now (it reads link.HidHandle, reports of
  // link.InputReportLength bytes); otherwise a serial reader of serialDevicePath, which it opens
  // on its own thread and closes when it ends.
  COMTread(LinkState& link, ReaderHost& host, std::string serialDevicePath = {});

  // Asks the reader to stop; returns at once. The loop notices it at its next turn. From then on
  // the reader makes no further call into the host.
  void Terminate();

  // The frame being assembled; during OnStatus and ShowProfile, the packet being handed off.
  const FrameBuffer& FrameBuf() const { return decoder_.FrameBuf(); }

  // True while one of this reader's hand-offs runs (window thread only).
  bool InHandoff() const { return handoffDepth_ > 0; }

  // The current sample, filled by ReaderHost::LogSample and read by ReaderHost::AppendSample.
  double Elapsed = 0;  // days since the start of the cycle
  std::int32_t TrValue = 0;
  std::int32_t TiValue = 0;
  std::int32_t TeValue = 0;

 protected:
  void run() override { Execute(); }

 private:
  void Execute();
  void RunSerialLoop();
  void RunHidLoop();
  bool StopRequested() const { return stopRequested_.load(); }

  void SyncStatus() override;
  void LogSample() override;
  void SyncProfile() override;

  enum class HandOffKind { None, Status, Profile, Sample };
  // Runs the host's handler for `kind` on the window's thread and waits until it has returned.
  // Skipped once a stop has been requested.
  void HandOff(HandOffKind kind);
  Q_INVOKABLE void RunHandOff();  // window thread

  LinkState& link_;
  ReaderHost& host_;
  const bool hid_;
  const std::shared_ptr<HidDevice> hidDevice_;
  const std::string serialDevicePath_;
  FrameDecoder decoder_{*this};
  std::atomic<bool> stopRequested_{false};
  int handoffDepth_ = 0;  // window thread only
  // The hand-off the reader waits for; None when none. The blocking call already orders it, with
  // FrameBuf and the sample fields, between the threads; the atomic makes that order visible to
  // race detectors, which do not see inside Qt's own wait.
  std::atomic<HandOffKind> pendingHandOff_{HandOffKind::None};
};

// Asks the reader to stop and waits until it has ended, running the window thread's pending events
// meanwhile so that a reader blocked in a hand-off is released. After it returns true, no hand-off
// of this reader reaches the window any more. Called from inside one of the reader's own hand-offs
// (a nested event loop of a handler), it cannot wait: it only asks the reader to stop and returns
// false; the reader ends once that handler returns. Call it on the window's thread.
bool StopReaderAndWait(QPointer<COMTread>& reader);
