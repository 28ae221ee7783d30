#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/ui/logic/chart_fixture.h"

namespace {

using Kind = CanvasOp::Kind;
using testing::ElementsAre;

struct Segment {
  Kind kind;
  CanvasPoint to;
  Color pen;
};

// Moves and lines drawn, in order.
std::vector<Segment> PenOps(const RecordingCanvas& canvas) {
  std::vector<Segment> ops;
  for (const CanvasOp& op : canvas.Ops())
    if (op.kind == Kind::MoveTo || op.kind == Kind::LineTo) ops.push_back({op.kind, op.to, op.pen});
  return ops;
}

TEST(TemperatureChart, DesignSizeTemperatureAxisLabelsTicksAndGrid) {
  ChartFixture f;
  f.chart.Panel1Resize();
  EXPECT_EQ(f.state.PlotRight, 727);
  EXPECT_EQ(f.state.PlotBottom, 378);
  RecordingCanvas canvas;
  f.chart.DrawTemperatureAxis(canvas);

  EXPECT_THAT(TextsOf(canvas), ElementsAre("0", "27", "54", "81", "109", "136", "163", "190", "218", "245", "272", "300"));
  const std::vector<Segment> pen = PenOps(canvas);
  ASSERT_EQ(pen.size(), 2u + 12 * 3);
  EXPECT_EQ(pen[0].to, (CanvasPoint{39, 378}));  // the axis, from the time axis to the top edge
  EXPECT_EQ(pen[1].to, (CanvasPoint{39, 0}));
  const std::vector<CanvasOp> texts = canvas.OpsOfKind(Kind::TextOut);
  for (int i = 0; i <= 11; ++i) {
    const int y = 377 - 353 * i / 11;
    SCOPED_TRACE(i);
    EXPECT_EQ(pen[2 + 3 * i].to, (CanvasPoint{35, y}));  // tick from 4 px left of the axis
    EXPECT_EQ(pen[3 + 3 * i].kind, Kind::LineTo);
    EXPECT_EQ(pen[3 + 3 * i].to, (CanvasPoint{40, y}));
    EXPECT_EQ(pen[3 + 3 * i].pen, colors::Black);
    EXPECT_EQ(pen[4 + 3 * i].to, (CanvasPoint{728, y}));  // the grid line
    EXPECT_EQ(pen[4 + 3 * i].pen, colors::Yellow);
    const int width = 7 * static_cast<int>(texts[i].text.size());
    EXPECT_EQ(texts[i].from, (CanvasPoint{35 - (width + 2), y - 7}));
  }
  EXPECT_EQ(pen[2].to.y, 377);
  EXPECT_EQ(pen.back().to.y, 24);
}

TEST(TemperatureChart, DesignSizeTimeAxisWithNoRowsOrOneRow) {
  for (int rows : {0, 1}) {
    SCOPED_TRACE(rows);
    ChartFixture f;
    f.AddRows(rows, 42);
    f.chart.Panel1Resize();
    RecordingCanvas canvas;
    f.chart.DrawTimeAxis(canvas);

    const std::vector<Segment> pen = PenOps(canvas);
    ASSERT_EQ(pen.size(), 2u + 14 * 2);
    EXPECT_EQ(pen[1].to, (CanvasPoint{750, 378}));  // 22 px past PlotRight
    const std::vector<CanvasOp> texts = canvas.OpsOfKind(Kind::TextOut);
    ASSERT_EQ(texts.size(), 14u);
    for (int i = 0; i <= 13; ++i) {
      const int x = 40 + 688 * i / 13;
      SCOPED_TRACE(i);
      EXPECT_EQ(pen[2 + 2 * i].to, (CanvasPoint{x, 383}));
      EXPECT_EQ(pen[3 + 2 * i].to, (CanvasPoint{x, 378}));
      EXPECT_EQ(texts[i].text, TimeText(687.0 * i / 13 * OneSecond));
      EXPECT_EQ(texts[i].from, (CanvasPoint{x - 35 / 2, 385}));
    }
    EXPECT_EQ(pen[2].to.x, 40);
    EXPECT_EQ(pen[4].to.x, 92);
    EXPECT_EQ(pen[6].to.x, 145);
    EXPECT_EQ(texts.front().text, "00:00");
    EXPECT_EQ(texts.back().text, "11:27");
  }
}

TEST(TemperatureChart, VisibleSamplesAndTheScrollRange) {
  struct Case {
    int zoom, rows, visible, max;
  };
  for (const Case c : {Case{1, 687, 687, 0}, Case{1, 688, 687, 1}, Case{10, 68, 68, 0}, Case{10, 100, 68, 32},
                       Case{3, 0, 229, 0}}) {
    SCOPED_TRACE(testing::Message() << "zoom " << c.zoom << ", rows " << c.rows);
    ChartFixture f;
    f.AddRows(c.rows);
    f.state.TimeZoom = c.zoom;
    f.chart.Panel1Resize();
    EXPECT_EQ(f.state.VisibleSamples(), c.visible);
    EXPECT_EQ(f.bar1.Max(), c.max);
    EXPECT_EQ(f.bar1.Visible(), c.max != 0);
  }
}

TEST(TemperatureChart, TimeAxisEnds) {
  {  // All rows fit: the axis runs VisibleSamples mean intervals from the first row.
    ChartFixture f;
    f.AddRows(10, 5);
    f.chart.Panel1Resize();
    EXPECT_DOUBLE_EQ(f.state.AxisTimeFrom, 5 * OneSecond);
    EXPECT_NEAR(f.state.AxisTimeTo, (5 + 687) * OneSecond, 1e-12);
  }
  {  // Scrolled: from the first row of the view to its last; a selection beyond it is cleared.
    ChartFixture f;
    f.AddRows(1000);
    f.chart.Panel1Resize();
    f.state.CursorRow = 887;  // within the plot's width of the new position, past its last row
    f.bar1.SetPosition(200);
    EXPECT_DOUBLE_EQ(f.state.AxisTimeFrom, 200 * OneSecond);
    EXPECT_DOUBLE_EQ(f.state.AxisTimeTo, 886 * OneSecond);
    EXPECT_EQ(f.state.CursorRow, -1);
  }
}

TEST(TemperatureChart, TimeLabelsWrapAtTheHour) {
  ChartFixture f;
  f.AddRows(2, 3500);
  f.chart.Panel1Resize();
  RecordingCanvas canvas;
  f.chart.DrawTimeAxis(canvas);
  const std::vector<std::string> texts = TextsOf(canvas);
  EXPECT_EQ(texts[0], "58:20");
  EXPECT_EQ(texts[1], "59:12");
  EXPECT_EQ(texts[2], "00:05");
  EXPECT_EQ(texts.back(), "09:47");  // 1 h 9 min 47 s
}

TEST(TemperatureChart, CurvePointsAtEveryZoomAndScroll) {
  struct Case {
    int zoom, rows, position, drawnRows;
  };
  // Drawn rows: min(rows - position, (PlotRight - PlotLeft) / zoom); at zoom 8 that is one more
  // than VisibleSamples (85).
  for (const Case c : {Case{1, 30, 0, 30}, Case{1, 1000, 313, 687}, Case{8, 500, 414, 86}, Case{3, 300, 71, 229}}) {
    SCOPED_TRACE(testing::Message() << "zoom " << c.zoom << ", position " << c.position);
    ChartFixture f;
    for (int r = 0; r < c.rows; ++r) f.AddRow(r, 50 + r % 200, 60, 70);
    f.state.TimeZoom = c.zoom;
    f.chart.Panel1Resize();
    f.bar1.SetPosition(c.position);
    ASSERT_EQ(f.bar1.Position(), c.position);
    RecordingCanvas canvas;
    EXPECT_EQ(f.chart.DrawCurves(canvas), std::nullopt);

    const std::vector<Segment> pen = PenOps(canvas);
    ASSERT_EQ(pen.size(), 3u * c.drawnRows);
    const double k = 353.0 / 300;
    for (int channel = 0; channel < 3; ++channel) {
      const Segment* curve = &pen[channel * c.drawnRows];
      EXPECT_EQ(curve[0].kind, Kind::MoveTo);
      EXPECT_EQ(curve[0].pen, CurveColors[channel]);
      for (int i = 0; i < c.drawnRows; ++i) {
        const int r = c.position + i;
        const int value = channel == 0 ? 50 + r % 200 : channel == 1 ? 60 : 70;
        ASSERT_EQ(curve[i].to, (CanvasPoint{40 + i * c.zoom, static_cast<int>(377 - value * k)})) << "row " << r;
        if (i > 0) {
          ASSERT_EQ(curve[i].kind, Kind::LineTo);
        }
      }
    }
  }
}

TEST(TemperatureChart, TheBandEdgesBreakTheCurve) {
  ChartFixture f;
  // TempMax maps to PlotTop - 1 (outside), TempMin to PlotBottom - 1 (inside).
  f.AddRow(0, 100, 100, 100);
  f.AddRow(1, 300, 0, 100);
  f.AddRow(2, 100, 100, 100);
  f.AddRow(3, 100, -1, 100);
  f.AddRow(4, 100, 100, 100);
  f.chart.Panel1Resize();
  RecordingCanvas canvas;
  f.chart.DrawCurves(canvas);
  const std::vector<Segment> pen = PenOps(canvas);
  ASSERT_EQ(pen.size(), 15u);
  // Tr: into 300 skipped, out of it drawn from the outside point.
  EXPECT_THAT(std::vector<Kind>({pen[0].kind, pen[1].kind, pen[2].kind, pen[3].kind, pen[4].kind}),
              ElementsAre(Kind::MoveTo, Kind::MoveTo, Kind::LineTo, Kind::LineTo, Kind::LineTo));
  EXPECT_EQ(pen[1].to, (CanvasPoint{41, 24}));
  // Ti: 0 °C is inside at y 377; -1 °C (y 378.2 -> 378) is still inside the band.
  EXPECT_EQ(pen[6].to, (CanvasPoint{41, 377}));
  EXPECT_EQ(pen[6].kind, Kind::LineTo);
  EXPECT_EQ(pen[8].to, (CanvasPoint{43, 378}));
  EXPECT_EQ(pen[8].kind, Kind::LineTo);
}

TEST(TemperatureChart, AbsurdTemperaturesStayFiniteAndOutsideTheBand) {
  ChartFixture f;
  f.AddRow(0, INT32_MAX, INT32_MIN, 100);
  f.AddRow(1, INT32_MIN, INT32_MAX, 100);
  f.chart.Panel1Resize();
  RecordingCanvas canvas;
  f.chart.DrawCurves(canvas);
  for (const CanvasOp& op : canvas.Ops()) {
    if (op.pen != colors::Green) {
      EXPECT_EQ(op.kind, Kind::MoveTo);
    }
  }
}

TEST(TemperatureChart, CursorLineAndLabel6) {
  ChartFixture f;
  f.AddRows(1000);
  f.state.TimeZoom = 2;
  f.chart.Panel1Resize();
  f.bar1.SetPosition(100);
  f.state.CursorRow = 150;
  RecordingCanvas canvas;
  EXPECT_EQ(f.chart.DrawCurves(canvas), 40 + 100 + 10);
  const std::vector<Segment> pen = PenOps(canvas);
  EXPECT_EQ(pen[0].to, (CanvasPoint{140, 24}));
  EXPECT_EQ(pen[1].to, (CanvasPoint{140, 378}));
  EXPECT_EQ(pen[1].pen, colors::Gray);
  EXPECT_EQ(pen[2].pen, colors::Fuchsia) << "the cursor line lies under the curves";

  f.state.CursorRow = -1;
  RecordingCanvas none;
  EXPECT_EQ(f.chart.DrawCurves(none), std::nullopt);
  for (const CanvasOp& op : none.Ops()) EXPECT_NE(op.pen, colors::Gray);
}

TEST(TemperatureChart, PaintDrawsAxesThenCurvesWithAThinPenOnTheFaceColour) {
  ChartFixture f;
  f.AddRows(3);
  f.state.CursorRow = 1;
  f.chart.Panel1Resize();
  RecordingCanvas canvas;
  canvas.SetPenWidth(4);
  EXPECT_EQ(f.chart.PaintBox3Paint(canvas), 51);
  for (const CanvasOp& op : canvas.Ops()) {
    EXPECT_EQ(op.penWidth, 1);
    EXPECT_EQ(op.brush, colors::BtnFace);
  }
  EXPECT_EQ(canvas.Ops().front().to, (CanvasPoint{39, 378}));
  EXPECT_EQ(canvas.Ops().back().pen, colors::Green);
}

TEST(TemperatureChart, TinyBoxesDrawWithoutDividingByZero) {
  struct Case {
    int width, height;
    std::size_t temperatureLabels, timeLabels;
  };
  // An axis too short for one interval keeps only its start tick; a negative length draws none.
  for (const Case c : {Case{80, 54, 1, 1}, Case{80, 84, 2, 1}, Case{114, 54, 1, 2}, Case{64, 25, 1, 1},
                       Case{0, 0, 0, 0}, Case{40, 20, 0, 1}, Case{752, 0, 0, 14}, Case{0, 403, 12, 0}}) {
    for (int rows : {0, 1, 5, 100}) {
      SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << ", rows " << rows);
      ChartFixture f(c.width, c.height);
      f.AddRows(rows);
      f.state.TimeZoom = 10;
      f.chart.Panel1Resize();
      EXPECT_LE(f.bar1.Max(), std::max(rows - 1, 0));
      RecordingCanvas temperature, time;
      f.chart.DrawTemperatureAxis(temperature);
      f.chart.DrawTimeAxis(time);
      EXPECT_EQ(temperature.OpsOfKind(Kind::TextOut).size(), c.temperatureLabels);
      EXPECT_EQ(time.OpsOfKind(Kind::TextOut).size(), c.timeLabels);
      if (c.temperatureLabels == 1) {
        EXPECT_EQ(TextsOf(temperature)[0], "0");
      }
      if (c.timeLabels == 1) {
        EXPECT_EQ(TextsOf(time)[0], "00:00");
      }
      RecordingCanvas all;
      f.chart.PaintBox3Paint(all);
    }
  }
}

}  // namespace
