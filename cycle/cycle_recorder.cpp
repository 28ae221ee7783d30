#include "cycle/cycle_recorder.h"

#include <sys/stat.h>

#include <cstdio>

#include "cycle/report_format.h"

CycleRecorder::CycleRecorder(LStorage& samples, RecorderView& view, Clock now)
    : samples_(samples), view_(view), now_(std::move(now)) {}

void CycleRecorder::OnStatus(bool lidOpen, bool running, std::uint8_t stage) {
  view_.ShowLidOpen(lidOpen);
  glyphIndex_ = 1 - glyphIndex_;
  view_.ShowGlyph(glyphIndex_);
  if (recording_ != running) ChangeRecording();
  currentStage_ = stage;
}

void CycleRecorder::ChangeRecording() {
  if (!recording_) CreateReport();
  ToggleRecording();
}

void CycleRecorder::CreateReport() {
  const double start = now_();
  cycleStart_ = start;
  ::mkdir(reportDir_.c_str(), 0755);  // one level; an existing folder is fine, failures are ignored
  const ReportName name = MakeReportName(start);
  cycleStamp_ = name.cycleStamp;
  reportPath_ = reportDir_ + name.fileName;
  file_.Create(reportPath_, ReportHeader);  // a failed creation loses the file's lines only
}

void CycleRecorder::ToggleRecording() {
  recording_ = !recording_;
  view_.ShowRecording(recording_);
  if (recording_) {
    samples_.Clear();
    view_.CycleStarted();
  } else {
    EndCycle();
  }
}

void CycleRecorder::EndCycle() {
  if (!file_.IsOpen()) return;
  file_.Finish(DescriptionLine(view_.Description()));
  if (!view_.AskKeepReport(reportPath_)) std::remove(reportPath_.c_str());
  view_.ReportClosed();
}

void CycleRecorder::AppendSample(const SampleValues& sample) {
  const std::int32_t n = samples_.RowCount;
  // The controller's stages are 0..5; a sample of any other stage belongs to none of them.
  if (currentStage_ >= 0 && currentStage_ < StageCount) stageRow_[currentStage_] = n;
  samples_.SetDateTime(ColTime, n, sample.Elapsed);
  std::int32_t* row = samples_.Row(n);  // taken after SetDateTime, which may move the rows
  row[ColTr] = sample.TrValue;
  row[ColTi] = sample.TiValue;
  row[ColTe] = sample.TeValue;
}

std::optional<SampleValues> CycleRecorder::LogSample(std::uint16_t tr, std::uint16_t ti, std::uint16_t te) {
  if (!recording_) return std::nullopt;
  SampleValues s;
  s.Elapsed = now_() - cycleStart_;
  s.TrValue = tr;
  s.TiValue = ti;
  s.TeValue = te;
  // The recording may be ended from the window thread at any moment; the check is repeated under
  // the file's lock so the line is written only into the cycle it belongs to.
  file_.WriteIf([this] { return recording_.load(); }, SampleLine(s.Elapsed, s.TrValue, s.TiValue, s.TeValue));
  return s;
}
