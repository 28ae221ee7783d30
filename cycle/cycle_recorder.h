#pragma once
// Starts and ends work cycles from the controller's status and records every sample of a running
// cycle twice: as a line of the cycle's report file and as a row of the sample table.
//
// Threads: everything runs on the window thread except LogSample, which runs on the reader thread
// between the status hand-off and the sample hand-off. Recording is atomic; the report file is
// guarded by ReportWriter, so a cycle ended by the user can never receive a line after its
// description or a line into a closed file.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "cycle/lstorage.h"
#include "cycle/report_writer.h"

// What the recorder needs of the window.
class RecorderView {
 public:
  virtual ~RecorderView() = default;
  virtual void ShowRecording(bool recording) = 0;  // status panel 1: "OK" / "нет"
  virtual void ShowLidOpen(bool open) = 0;         // status panel 2: "Открыт" / "Закрыт"
  virtual void ShowGlyph(int glyphIndex) = 0;      // SpeedButton1's lamp picture, 0 or 1
  virtual void CycleStarted() = 0;                 // description field emptied and editable, no selected row
  virtual std::string Description() = 0;           // the description typed so far, UTF-8
  virtual bool AskKeepReport(const std::string& reportPath) = 0;  // the modal end-of-cycle question
  virtual void ReportClosed() = 0;                 // description field read-only again
};

// One sample as the reader thread hands it to the window thread.
struct SampleValues {
  double Elapsed = 0;  // days since CycleStart
  std::int32_t TrValue = 0, TiValue = 0, TeValue = 0;
};

inline constexpr int StageCount = 6;

class CycleRecorder {
 public:
  using Clock = std::function<double()>;  // local date-time in days

  CycleRecorder(LStorage& samples, RecorderView& view, Clock now);

  void SetReportDir(std::string reportDir) { reportDir_ = std::move(reportDir); }

  // Window thread.
  // One status packet: whether the lid is open, whether the controller runs a cycle, its stage.
  void OnStatus(bool lidOpen, bool running, std::uint8_t stage);
  void ChangeRecording();
  void ToggleRecording();
  void CreateReport();
  void EndCycle();
  // Appends one row to the sample table and notes it for the current stage.
  void AppendSample(const SampleValues& sample);

  // Reader thread: writes the sample line of a recorded cycle; nullopt when no cycle is recorded.
  std::optional<SampleValues> LogSample(std::uint16_t tr, std::uint16_t ti, std::uint16_t te);

  bool Recording() const { return recording_; }
  bool ReportOpen() const { return file_.IsOpen(); }
  const std::string& ReportPath() const { return reportPath_; }
  const std::string& CycleStamp() const { return cycleStamp_; }
  void SetCycleStamp(std::string stamp) { cycleStamp_ = std::move(stamp); }
  int CurrentStage() const { return currentStage_; }
  const std::array<std::int32_t, StageCount>& StageRow() const { return stageRow_; }
  int GlyphIndex() const { return glyphIndex_; }

 private:
  LStorage& samples_;
  RecorderView& view_;
  Clock now_;
  std::string reportDir_;

  std::atomic<bool> recording_{false};
  ReportWriter file_;
  std::string reportPath_;
  std::atomic<double> cycleStart_{0};
  std::string cycleStamp_;
  int currentStage_ = 0;
  std::array<std::int32_t, StageCount> stageRow_{};
  int glyphIndex_ = 0;
};
