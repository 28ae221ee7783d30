#pragma once
// State of the controller link that the window and the reader thread share, and the window's side
// of the reader's hand-offs.
#include <atomic>
#include <cstdint>
#include <memory>

#include "device/frame_codec.h"
#include "platform/hid/hid_device.h"
#include "platform/hid/report_descriptor.h"

class COMTread;

struct LinkState {
  // True while a USB controller is taken; cleared by its removal, which ends the HID reader.
  std::atomic<bool> HidMode{false};
  // False while a reader exists and has not ended; true when none runs (also at program start).
  std::atomic<bool> ReaderStopped{true};
  // Size of one input report of the taken USB controller, report id byte included; a full-speed
  // report until a controller tells its own length.
  std::atomic<std::uint16_t> InputReportLength{FallbackInputReportLength};
  // The taken USB controller; set before a HID reader is created, closed by the removal handling.
  // Window thread only: a HID reader holds its own reference, so the window may drop this one
  // (or close the device) while a read is still blocked inside it.
  std::shared_ptr<HidDevice> HidHandle;
};

// Implemented by the window. OnStatus, ShowProfile and AppendSample run on the window's thread
// while the reader waits, so they may read the reader's FrameBuf and sample fields in place.
class ReaderHost {
 public:
  virtual ~ReaderHost() = default;
  virtual void OnStatus(const FrameBuffer& frame) = 0;     // status packet (command 9)
  virtual void ShowProfile(const FrameBuffer& frame) = 0;  // profile packet (commands 30, 31)
  // Runs on the reader thread right after OnStatus: writes the report line of the sample and fills
  // the reader's Elapsed, TrValue, TiValue and TeValue. False when no cycle is recorded.
  virtual bool LogSample(COMTread& reader) = 0;
  virtual void AppendSample(const COMTread& reader) = 0;   // after LogSample returned true
};
