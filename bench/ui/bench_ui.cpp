// Cost of one whole chart repaint with the painter canvas on an image, and of one mouse move over
// the chart (row selection, readout texts, repaint). Both happen up to once per sample or per
// mouse event, so they are measured against a 60 Hz frame (16.7 ms).
#include <benchmark/benchmark.h>

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <array>
#include <cmath>

#include "cycle/lstorage.h"
#include "cycle/time_text.h"
#include "platform/qt/painter_canvas.h"
#include "ui/logic/chart_navigation.h"
#include "ui/logic/cursor_readout.h"
#include "ui/logic/temperature_chart.h"

namespace {

constexpr int kBoxHeight = 403;

// A chart over `rows` samples one second apart, rising and falling like a reflow cycle, scrolled
// to its newest rows as during recording.
struct BenchChart {
  BenchChart(int boxWidth, int zoom, int rows) {
    samples.SetColumns(SampleColumnTypes, 4);
    for (int r = 0; r < rows; ++r) {
      samples.SetDateTime(ColTime, r, r * OneSecond);
      std::int32_t* cells = samples.Row(r);
      const double phase = std::sin(r / 300.0);
      cells[ColTr] = static_cast<std::int32_t>(150 + 120 * phase);
      cells[ColTi] = static_cast<std::int32_t>(140 + 110 * phase);
      cells[ColTe] = static_cast<std::int32_t>(130 + 100 * phase);
    }
    state.BoxWidth = boxWidth;
    state.BoxHeight = kBoxHeight;
    state.TimeZoom = zoom;
    bar1.OnChange = [this] { nav.ScrollBar1Change(); };
    chart.Panel1Resize();
    bar1.SetPosition(bar1.Max());
  }

  void Paint(QImage& image) {
    image.fill(QColor(240, 240, 240));  // the panel's erase before each paint
    QPainter painter(&image);
    QFont font("Verdana");
    font.setPixelSize(12);
    painter.setFont(font);
    PainterCanvas canvas(painter);
    benchmark::DoNotOptimize(chart.PaintBox3Paint(canvas));
  }

  LStorage samples;
  ChartState state;
  ScrollBarModel bar1, bar2;
  TemperatureChart chart{state, samples, bar1};
  ChartNavigation nav{state, chart, bar1, bar2, [] {}};
};

void BM_ChartPaint(benchmark::State& st) {
  const int width = static_cast<int>(st.range(0));
  BenchChart chart(width, static_cast<int>(st.range(1)), static_cast<int>(st.range(2)));
  QImage image(width, kBoxHeight, QImage::Format_RGB32);
  for (auto _ : st) chart.Paint(image);
}
BENCHMARK(BM_ChartPaint)
    ->ArgNames({"width", "zoom", "rows"})
    ->ArgsProduct({{752, 3840}, benchmark::CreateDenseRange(1, 10, 1), {1000, 86400}})
    ->Unit(benchmark::kMillisecond);

// One accepted mouse move at the design size: select, refresh the labels, compute the heating
// rate, repaint.
void BM_MouseMove(benchmark::State& st) {
  const int zoom = static_cast<int>(st.range(0));
  BenchChart chart(752, zoom, 86400);
  QImage image(752, kBoxHeight, QImage::Format_RGB32);
  const std::array<std::int32_t, 6> stageRow{20000, 40000, 60000, 70000, 80000, 86399};
  int x = ChartState::PlotLeft + 1;
  for (auto _ : st) {
    const auto selection = PaintBox3MouseMove(chart.state, chart.samples, chart.bar1.Position(), x);
    benchmark::DoNotOptimize(RefreshReadout(chart.samples, chart.state.CursorRow, true));
    benchmark::DoNotOptimize(HeatingRateText(chart.samples, chart.state.CursorRow, true, 5, stageRow));
    benchmark::DoNotOptimize(selection);
    chart.Paint(image);
    x = x >= chart.state.PlotRight ? ChartState::PlotLeft + 1 : x + 7;
  }
}
BENCHMARK(BM_MouseMove)->ArgName("zoom")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // fonts for the painter
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
