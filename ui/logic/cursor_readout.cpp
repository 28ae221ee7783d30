#include "ui/logic/cursor_readout.h"

#include <algorithm>
#include <cstdlib>

#include "cycle/time_text.h"

namespace {
std::string DegreesText(std::int64_t value) { return std::to_string(value) + " °C"; }

std::int64_t Cell(const LStorage& samples, int row, SampleColumn column) { return samples.Row(row)[column]; }
}  // namespace

std::optional<RowSelection> PaintBox3MouseMove(ChartState& state, const LStorage& samples, int firstVisibleRow,
                                               int x) {
  if (x > state.PlotRight || x <= ChartState::PlotLeft) return std::nullopt;
  // Row r is drawn at PlotLeft + 1 + (r - first) * zoom and selected up to the next row's column.
  const int row = firstVisibleRow + (x - ChartState::PlotLeft - 1) / state.TimeZoom;
  if (row < 0 || row >= samples.RowCount) return std::nullopt;
  state.CursorRow = row;
  return RowSelection{row, TimeText(samples.GetDateTime(ColTime, row))};
}

ReadoutTexts RefreshReadout(const LStorage& samples, int cursorRow, bool readingOn) {
  ReadoutTexts texts{NoValueText, NoValueText, NoValueText, NoValueText,
                     NoValueText, NoValueText, NoValueText, NoValueText};
  const int rows = samples.RowCount;
  if (readingOn && rows > 0) {
    texts.Label3 = DegreesText(Cell(samples, rows - 1, ColTr));
    texts.Label4 = DegreesText(Cell(samples, rows - 1, ColTi));
    texts.Label5 = DegreesText(Cell(samples, rows - 1, ColTe));
  }
  if (cursorRow >= 0 && cursorRow < rows) {
    const std::int64_t tr = Cell(samples, cursorRow, ColTr);
    const std::int64_t ti = Cell(samples, cursorRow, ColTi);
    const std::int64_t te = Cell(samples, cursorRow, ColTe);
    texts.Label20 = DegreesText(tr);
    texts.Label22 = DegreesText(ti);
    texts.Label24 = DegreesText(te);
    texts.Label27 = DegreesText(std::llabs(tr - ti));
    texts.Label28 = DegreesText(std::llabs(tr - te));
  }
  return texts;
}

std::string HeatingRateText(const LStorage& samples, int cursorRow, bool recording, int currentStage,
                            std::span<const std::int32_t, 6> stageRow) {
  if (!recording) return NoRateText;
  const int lastStage = std::min(currentStage, static_cast<int>(stageRow.size()) - 1);
  for (int stage = 0; stage <= lastStage; ++stage) {
    if (stageRow[stage] < cursorRow) continue;
    const int to = stageRow[stage];
    const int from = stage == 0 ? 0 : stageRow[stage - 1];
    const auto inTable = [&](int row) { return row >= 0 && row < samples.RowCount; };
    if (to == from || !inTable(to) || !inTable(from)) return NoRateText;
    const std::int64_t rate = (Cell(samples, to, ColTi) - Cell(samples, from, ColTi)) * 60 / (to - from);
    return "Vн = " + std::to_string(rate) + " °C/м";
  }
  return NoRateText;
}
