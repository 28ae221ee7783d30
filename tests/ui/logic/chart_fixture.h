#pragma once
// The chart, its navigation and two scroll bars wired as the window wires them, over a sample
// table at PaintBox3's design size (752 x 403) unless told otherwise.
#include <cstdint>
#include <string>
#include <vector>

#include "cycle/lstorage.h"
#include "cycle/time_text.h"
#include "platform/recording_canvas.h"
#include "ui/logic/chart_navigation.h"
#include "ui/logic/chart_state.h"
#include "ui/logic/scroll_bar.h"
#include "ui/logic/temperature_chart.h"

// The texts written on the canvas, in order.
inline std::vector<std::string> TextsOf(const RecordingCanvas& canvas) {
  std::vector<std::string> texts;
  for (const CanvasOp& op : canvas.OpsOfKind(CanvasOp::Kind::TextOut)) texts.push_back(op.text);
  return texts;
}

struct ChartFixture {
  explicit ChartFixture(int boxWidth = 752, int boxHeight = 403) {
    samples.SetColumns(SampleColumnTypes, 4);
    state.BoxWidth = boxWidth;
    state.BoxHeight = boxHeight;
    bar1.OnChange = [this] { ++bar1Changes; nav.ScrollBar1Change(); };
    bar2.OnChange = [this] { nav.ScrollBar2Change(); };
  }

  void AddRow(double seconds, std::int32_t tr, std::int32_t ti, std::int32_t te) {
    const std::int32_t n = samples.RowCount;
    samples.SetDateTime(ColTime, n, seconds * OneSecond);
    std::int32_t* row = samples.Row(n);
    row[ColTr] = tr;
    row[ColTi] = ti;
    row[ColTe] = te;
  }
  // Rows one second apart from `start` seconds, all three temperatures 100 °C.
  void AddRows(int count, double start = 0) {
    for (int i = 0; i < count; ++i) AddRow(start + i, 100, 100, 100);
  }

  LStorage samples;
  ChartState state;
  ScrollBarModel bar1, bar2;
  TemperatureChart chart{state, samples, bar1};
  int repaints = 0;
  int bar1Changes = 0;
  ChartNavigation nav{state, chart, bar1, bar2, [this] { ++repaints; }};
};
