#include "reports/prnreprt.h"

#include <algorithm>

#include "cycle/lstorage.h"
#include "cycle/time_text.h"
#include "platform/canvas.h"

namespace {

// Every fraction of the page becomes a coordinate by truncation toward zero.
int Trunc(double value) { return static_cast<int>(value); }

// The printed scale is fixed: 0 °C on the time axis, 300 °C at the top of the plot area,
// 20 grid lines of 15 °C.
constexpr int ScaleMaxCelsius = 300;
constexpr int ScaleSteps = 20;

// A temperature far outside the scale lies far off the page; its coordinate is held within
// this distance so that it stays a valid int for any value a report file may hold.
constexpr double CoordinateLimit = 1 << 24;

}  // namespace

PrnReprt::PrnReprt(const LStorage& samples, std::string cycleStamp, std::string description,
                   int pageWidth, int pageHeight)
    : samples_(samples),
      cycleStamp_(std::move(cycleStamp)),
      description_(std::move(description)),
      pageWidth_(pageWidth),
      pageHeight_(pageHeight) {}

void PrnReprt::DrawPage(Canvas& canvas) {
  const double w = pageWidth_, h = pageHeight_;
  areaLeft_ = Trunc(w * 0.06);
  areaRight_ = Trunc(w * 0.96);
  areaTop_ = Trunc(h * 0.08);
  areaBottom_ = Trunc(h * 0.95);

  // As many divisions as "00:00" labels with a gap of 1 % of the page fit across the plot,
  // at most one per row, and at least one (a tiny page or a single row still gets its axis).
  const double labelCell = std::max(1.0, canvas.TextWidth("00:00") + w * 0.01);
  tickCount_ = Trunc(std::min<double>((areaRight_ - areaLeft_) / labelCell, samples_.RowCount));
  tickCount_ = std::max(tickCount_, 1);

  // A printer canvas starts with a black pen and a solid white brush; say so for any canvas.
  canvas.SetPenColor(colors::Black);
  canvas.SetBrushColor(colors::White);
  PrintTemperatureAxis(canvas);
  PrintTimeAxis(canvas);
  PrintCurves(canvas);
  PrintHeader(canvas);
}

void PrnReprt::PrintTemperatureAxis(Canvas& canvas) {
  const double w = pageWidth_, h = pageHeight_;
  const int l = areaLeft_, r = areaRight_, t = areaTop_, b = areaBottom_;
  canvas.TextOut(Trunc(l - w * 0.025), Trunc(t - h * 0.03), "T,°C");

  canvas.SetPenWidth(3);
  canvas.MoveTo(l, b);
  canvas.LineTo(l, Trunc(h * 0.03));

  canvas.SetPenWidth(1);
  for (int i = 0; i <= ScaleSteps; ++i) {
    const int y = b - (b - t) * i / ScaleSteps;
    canvas.MoveTo(l, y);
    canvas.LineTo(r, y);
    const std::string label = std::to_string(ScaleMaxCelsius * i / ScaleSteps);
    canvas.TextOut(Trunc(l - (canvas.TextWidth(label) + 2) - w * 0.004),
                   y - canvas.TextHeight(label) / 2, label);
  }
}

void PrnReprt::PrintTimeAxis(Canvas& canvas) {
  const double w = pageWidth_, h = pageHeight_;
  const int l = areaLeft_, r = areaRight_, t = areaTop_, b = areaBottom_;
  const std::int32_t n = samples_.RowCount;

  canvas.SetPenWidth(3);
  canvas.MoveTo(l, b);
  canvas.LineTo(Trunc(w * 0.98), b);

  const double t0 = n > 0 ? samples_.GetDateTime(ColTime, 0) : 0.0;
  const double t1 = n > 0 ? samples_.GetDateTime(ColTime, n - 1) : 0.0;
  canvas.SetPenWidth(1);
  for (int i = 0; i <= tickCount_; ++i) {
    const int x = (r - l) * i / tickCount_ + l;
    canvas.MoveTo(x, b);
    canvas.LineTo(x, t);
    const std::string label = TimeText(t0 + (t1 - t0) * i / tickCount_);
    canvas.TextOut(x - canvas.TextWidth(label) / 2, Trunc(b + h * 0.005), label);
  }
  canvas.TextOut(Trunc(r + w * 0.005), Trunc(b - h * 0.02), "t, м:c");
}

int PrnReprt::PointX(std::int32_t row) const {
  const std::int32_t n = samples_.RowCount;
  if (n < 2) return areaLeft_;
  const double pixelsPerRow = static_cast<double>(areaRight_ - areaLeft_) / (n - 1);
  return Trunc(pixelsPerRow * row + areaLeft_);
}

int PrnReprt::PointY(std::int32_t value) const {
  const double pixelsPerDegree =
      static_cast<double>(static_cast<long double>(areaBottom_ - areaTop_) / ScaleMaxCelsius);
  return Trunc(std::clamp(areaBottom_ - value * pixelsPerDegree, -CoordinateLimit, CoordinateLimit));
}

void PrnReprt::Marker(Canvas& canvas, bool circle, int x, int y) const {
  const int m = Trunc(pageWidth_ * 0.002);
  if (circle) {
    canvas.Ellipse(x - m, y - m, x + m, y + m);
  } else {
    canvas.Rectangle(x - m, y - m, x + m, y + m);
  }
}

void PrnReprt::PrintCurves(Canvas& canvas) {
  const std::int32_t n = samples_.RowCount;
  if (n == 0) return;

  canvas.SetPenWidth(5);
  for (const std::int32_t column : {ColTr, ColTi, ColTe}) {
    canvas.MoveTo(PointX(0), PointY(samples_.Row(0)[column]));
    for (std::int32_t row = 1; row < n; ++row) {
      canvas.LineTo(PointX(row), PointY(samples_.Row(row)[column]));
    }
    // A single row has no time span: its values are held as level lines across the plot.
    if (n == 1) canvas.LineTo(areaRight_, PointY(samples_.Row(0)[column]));
  }

  // Hollow markers: a circle in the middle of each time division on Tr, a square two thirds
  // into it on Ti; Te has none.
  canvas.SetPenWidth(3);
  canvas.SetBrushClear();
  const int divisions = tickCount_;
  for (int i = 1; i < 2 * divisions; i += 2) {
    const auto row = static_cast<std::int32_t>(static_cast<double>(n) * i / (2 * divisions));
    Marker(canvas, true, PointX(row), PointY(samples_.Row(row)[ColTr]));
  }
  for (int i = 2; i < 3 * divisions; i += 3) {
    const auto row = static_cast<std::int32_t>(static_cast<double>(n) * i / (3 * divisions));
    Marker(canvas, false, PointX(row), PointY(samples_.Row(row)[ColTi]));
  }
}

void PrnReprt::PrintHeader(Canvas& canvas) {
  const double w = pageWidth_, h = pageHeight_;

  canvas.SetFontSize(canvas.FontSize() + 2);
  canvas.SetFontBold(true);
  canvas.TextOut(Trunc(w * 0.2), Trunc(h * 0.005), "ЛОРН 2.1M");
  canvas.TextOut(Trunc(w * 0.2), Trunc(h * 0.025), "Отчет за:  " + cycleStamp_);
  canvas.SetFontSize(canvas.FontSize() - 2);
  canvas.SetFontBold(false);

  const int legendX = Trunc(w * 0.6);
  canvas.TextOut(legendX, Trunc(h * 0.004), "Расчетная температура");
  canvas.TextOut(legendX, Trunc(h * 0.02), "Внутренная температура");
  canvas.TextOut(legendX, Trunc(h * 0.036), "Внешная температура");

  // Legend lines with the curves' markers: Tr circles, Ti squares, Te plain.
  canvas.SetPenWidth(4);
  const int lineFrom = Trunc(w * 0.73), lineTo = Trunc(w * 0.78);
  const struct {
    double y;
    bool circle;
    double firstMarker, secondMarker;  // 0: no markers
  } legend[] = {{0.013, true, 0.74, 0.76}, {0.029, false, 0.75, 0.77}, {0.045, false, 0, 0}};
  for (const auto& line : legend) {
    const int y = Trunc(h * line.y);
    canvas.MoveTo(lineFrom, y);
    canvas.LineTo(lineTo, y);
    if (line.firstMarker == 0) continue;
    Marker(canvas, line.circle, Trunc(w * line.firstMarker), y);
    Marker(canvas, line.circle, Trunc(w * line.secondMarker), y);
  }

  canvas.SetFontSize(canvas.FontSize() + 1);
  canvas.TextOut(Trunc(w * 0.1), Trunc(h * 0.055), description_);
  canvas.SetFontSize(canvas.FontSize() - 1);
}
