#include "ui/logic/temperature_chart.h"

#include <algorithm>
#include <string>

#include "cycle/time_text.h"

namespace {
// Curve points further than this from the box are drawn (or skipped) from here instead; it keeps
// absurd temperatures from overflowing the integer conversion and the painter's fixed point.
constexpr double kCoordinateLimit = 1'000'000.0;

// Position of tick i of n on an axis of the given length: length * i / n, truncating. An axis too
// short for one interval (n = 0) has only its start tick.
int TickOffset(int length, int i, int n) { return n == 0 ? 0 : length * i / n; }
}  // namespace

TemperatureChart::TemperatureChart(ChartState& state, const LStorage& samples, ScrollBar& scrollBar1)
    : state_(state), samples_(samples), scrollBar1_(scrollBar1) {}

void TemperatureChart::Panel1Resize() {
  state_.PlotBottom = state_.BoxHeight - 25;
  state_.PlotRight = state_.BoxWidth - 25;
  const int visible = state_.VisibleSamples();
  const int rows = samples_.RowCount;
  const int maxFirstRow = rows > visible ? rows - visible : 0;
  scrollBar1_.SetMax(maxFirstRow);
  scrollBar1_.SetVisible(maxFirstRow != 0);

  if (rows < 2) {
    state_.AxisTimeFrom = 0;
    state_.AxisTimeTo = visible * OneSecond;
    return;
  }
  const int first = scrollBar1_.Position();
  state_.AxisTimeFrom = samples_.GetDateTime(ColTime, first);
  if (maxFirstRow == 0) {
    // All rows fit: the axis spans every visible position at the mean interval of the rows.
    const double last = samples_.GetDateTime(ColTime, rows - 1);
    state_.AxisTimeTo = state_.AxisTimeFrom + (last - state_.AxisTimeFrom) * visible / (rows - 1);
    return;
  }
  const int lastInView = first + visible - 1;
  state_.AxisTimeTo = samples_.GetDateTime(ColTime, lastInView);
  if (state_.CursorRow > lastInView) state_.CursorRow = -1;
}

std::optional<int> TemperatureChart::PaintBox3Paint(Canvas& canvas) const {
  canvas.SetPenWidth(1);
  canvas.SetBrushColor(colors::BtnFace);  // the background of the axis labels
  DrawTemperatureAxis(canvas);
  DrawTimeAxis(canvas);
  return DrawCurves(canvas);
}

void TemperatureChart::DrawTemperatureAxis(Canvas& canvas) const {
  const int left = ChartState::PlotLeft, bottom = state_.PlotBottom;
  canvas.SetPenColor(colors::Black);
  canvas.MoveTo(left, bottom);
  canvas.LineTo(left, 0);

  const int height = bottom - ChartState::PlotTop;
  const int span = state_.TempMax - state_.TempMin;
  const int intervals = height / 30;  // each at least 30 px high
  for (int i = 0; i <= intervals; ++i) {
    const int value = state_.TempMin + TickOffset(span, i, intervals);
    const int y = bottom - 1 - TickOffset(height, i, intervals);
    canvas.SetPenColor(colors::Black);
    canvas.MoveTo(left - 4, y);
    canvas.LineTo(left + 1, y);
    canvas.SetPenColor(colors::Yellow);
    canvas.LineTo(state_.PlotRight + 1, y);
    const std::string text = std::to_string(value);
    canvas.TextOut(left - 4 - (canvas.TextWidth(text) + 2), y - canvas.TextHeight(text) / 2, text);
  }
}

void TemperatureChart::DrawTimeAxis(Canvas& canvas) const {
  const int left = ChartState::PlotLeft, bottom = state_.PlotBottom;
  canvas.SetPenColor(colors::Black);
  canvas.MoveTo(left, bottom);
  canvas.LineTo(state_.BoxWidth - 2, bottom);

  const int width = state_.PlotRight - left;
  const int intervals = width / 50;  // each at least 50 px wide
  const double from = state_.AxisTimeFrom, to = state_.AxisTimeTo;
  for (int i = 0; i <= intervals; ++i) {
    const int x = left + 1 + TickOffset(width, i, intervals);
    canvas.MoveTo(x, bottom + 5);
    canvas.LineTo(x, bottom);
    const double t = intervals == 0 ? from : from + (to - from) * i / intervals;
    const std::string text = TimeText(t);
    canvas.TextOut(x - canvas.TextWidth(text) / 2, bottom + 7, text);
  }
}

int TemperatureChart::TemperatureY(int celsius) const {
  const double pixelsPerDegree =
      static_cast<double>(state_.PlotBottom - ChartState::PlotTop) / (state_.TempMax - state_.TempMin);
  const double y = state_.PlotBottom - 1 - (static_cast<double>(celsius) - state_.TempMin) * pixelsPerDegree;
  return static_cast<int>(std::clamp(y, -kCoordinateLimit, kCoordinateLimit));  // truncates toward zero
}

std::optional<int> TemperatureChart::DrawCurves(Canvas& canvas) const {
  const int left = ChartState::PlotLeft, top = ChartState::PlotTop, bottom = state_.PlotBottom;
  const int zoom = state_.TimeZoom;
  const int first = scrollBar1_.Position();
  const int rows = samples_.RowCount;
  // Unlike VisibleSamples, the drawn count does not take 1 from the width first.
  const int drawable = (state_.PlotRight - left) / zoom;
  const int end = first + std::min(rows - first, drawable);

  std::optional<int> label6Left;
  if (state_.CursorRow >= 0) {
    const int x = left + 1 + (state_.CursorRow - first) * zoom;
    canvas.SetPenColor(colors::Gray);
    canvas.MoveTo(x, top - 1);
    canvas.LineTo(x, bottom);
    label6Left = x + 10;  // 12 px left of the line in Panel1, where the box starts at 22
  }

  if (rows <= first) return label6Left;
  for (int channel = 0; channel < 3; ++channel) {
    const int column = ColTr + channel;
    canvas.SetPenColor(CurveColors[channel]);
    canvas.MoveTo(left + 1, TemperatureY(samples_.Row(first)[column]));
    for (int r = first + 1; r < end; ++r) {
      const int x = left + 1 + (r - first) * zoom;
      const int y = TemperatureY(samples_.Row(r)[column]);
      // A segment that ends outside the band is skipped; the next one starts from that point.
      if (top <= y && y <= bottom) {
        canvas.LineTo(x, y);
      } else {
        canvas.MoveTo(x, y);
      }
    }
  }
  return label6Left;
}
