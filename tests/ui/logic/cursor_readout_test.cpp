#include <gtest/gtest.h>

#include <array>

#include "tests/ui/logic/chart_fixture.h"
#include "ui/logic/cursor_readout.h"

namespace {

TEST(PaintBox3MouseMove, SelectsTheRowUnderTheCursorAtAnyZoom) {
  ChartFixture f;
  f.AddRows(1000);
  f.state.TimeZoom = 3;
  f.chart.Panel1Resize();
  f.bar1.SetPosition(100);
  struct Case {
    int x, row;  // -1: ignored
  };
  for (const Case c : {Case{40, 100}, Case{41, 100}, Case{42, 100}, Case{43, 101}, Case{39, -1}, Case{727, 329},
                       Case{728, -1}, Case{-5, -1}}) {
    SCOPED_TRACE(c.x);
    f.state.CursorRow = 7;
    const auto selection = PaintBox3MouseMove(f.state, f.samples, f.bar1.Position(), c.x);
    if (c.row < 0) {
      EXPECT_EQ(selection, std::nullopt);
      EXPECT_EQ(f.state.CursorRow, 7) << "an ignored move keeps the selection";
    } else {
      ASSERT_TRUE(selection);
      EXPECT_EQ(selection->row, c.row);
      EXPECT_EQ(selection->label6, TimeText(c.row * OneSecond));
      EXPECT_EQ(f.state.CursorRow, c.row);
    }
  }
}

TEST(PaintBox3MouseMove, PointingRightOfTheLastRowChangesNothing) {
  ChartFixture f;
  f.AddRows(10, 65);
  f.chart.Panel1Resize();
  ASSERT_TRUE(PaintBox3MouseMove(f.state, f.samples, 0, 45));
  EXPECT_EQ(f.state.CursorRow, 5);
  EXPECT_EQ(PaintBox3MouseMove(f.state, f.samples, 0, 49)->label6, "01:14");
  EXPECT_EQ(PaintBox3MouseMove(f.state, f.samples, 0, 50), std::nullopt);
  EXPECT_EQ(f.state.CursorRow, 9);
}

TEST(PaintBox3MouseMove, TheRowAtPlotRightIsClearedByTheNextRescaleWhenRowsDoNotFit) {
  ChartFixture f;
  f.AddRows(1000);
  f.chart.Panel1Resize();
  f.bar1.SetPosition(5);
  const auto selection = PaintBox3MouseMove(f.state, f.samples, 5, f.state.PlotRight);
  ASSERT_TRUE(selection);
  EXPECT_EQ(selection->row, 5 + f.state.VisibleSamples());
  f.chart.Panel1Resize();
  EXPECT_EQ(f.state.CursorRow, -1);
}

TEST(RefreshReadout, CurrentSelectedAndDifferenceLabels) {
  ChartFixture f;
  f.AddRow(0, 200, 215, 190);
  f.AddRow(1, -5, 20, -30);
  {
    const ReadoutTexts t = RefreshReadout(f.samples, 0, true);
    EXPECT_EQ(t.Label3, "-5 °C");
    EXPECT_EQ(t.Label4, "20 °C");
    EXPECT_EQ(t.Label5, "-30 °C");
    EXPECT_EQ(t.Label20, "200 °C");
    EXPECT_EQ(t.Label22, "215 °C");
    EXPECT_EQ(t.Label24, "190 °C");
    EXPECT_EQ(t.Label27, "15 °C");
    EXPECT_EQ(t.Label28, "10 °C");
  }
  {
    const ReadoutTexts t = RefreshReadout(f.samples, 1, false);
    EXPECT_EQ(t.Label3, "x °C");
    EXPECT_EQ(t.Label4, "x °C");
    EXPECT_EQ(t.Label5, "x °C");
    EXPECT_EQ(t.Label27, "25 °C");
    EXPECT_EQ(t.Label28, "25 °C");
  }
  for (int noRow : {-1, 2}) {  // none, and one the table no longer holds
    const ReadoutTexts t = RefreshReadout(f.samples, noRow, true);
    EXPECT_EQ(t.Label3, "-5 °C");
    for (const std::string* s : {&t.Label20, &t.Label22, &t.Label24, &t.Label27, &t.Label28}) EXPECT_EQ(*s, "x °C");
  }
  const ReadoutTexts extreme = [&] {
    f.AddRow(2, INT32_MIN, INT32_MAX, 0);
    return RefreshReadout(f.samples, 2, true);
  }();
  EXPECT_EQ(extreme.Label27, "4294967295 °C");
  EXPECT_EQ(extreme.Label28, "2147483648 °C");
}

TEST(HeatingRateText, RateOfTiOverTheSelectedRowsStage) {
  ChartFixture f;
  // Ti: 20 °C at row 0, rising 2 °C per row to row 40 (100 °C), then 1.5 °C per row to row 100.
  for (int r = 0; r <= 120; ++r) f.AddRow(r, 0, r <= 40 ? 20 + 2 * r : 100 + (r - 40) * 3 / 2, 0);
  struct Case {
    const char* name;
    bool recording;
    int currentStage;
    std::array<std::int32_t, 6> stageRow;
    int row;
    const char* text;
  };
  const Case cases[] = {
      {"second stage", true, 1, {40, 100}, 70, "Vн = 90 °C/м"},
      {"first stage, from row 0", true, 1, {40, 100}, 30, "Vн = 120 °C/м"},
      {"the stage's own last row", true, 1, {40, 100}, 40, "Vн = 120 °C/м"},
      {"beyond every stage so far", true, 1, {40, 100}, 101, "Vн = xx °C/м"},
      {"later stages are not searched", true, 0, {40, 100}, 70, "Vн = xx °C/м"},
      {"not recording", false, 1, {40, 100}, 70, "Vн = xx °C/м"},
      {"a stage of no rows: row 0 at StageRow[0] = 0", true, 1, {0, 100}, 0, "Vн = xx °C/м"},
      {"a stage above 5 searches the six stages", true, 9, {10, 20, 30, 40, 50, 100}, 70, "Vн = 90 °C/м"},
      {"a stage above 5, beyond all six", true, 200, {10, 20, 30, 40, 50, 60}, 61, "Vн = xx °C/м"},
      {"a stage row left from an earlier, longer cycle", true, 1, {40, 5000}, 70, "Vн = xx °C/м"},
      {"a cooling stage shows a minus sign", true, 2, {40, 100, 110}, 105, "Vн = -1080 °C/м"},
  };
  // The cooling stage: Ti drops to 10 °C at row 110.
  f.samples.Row(110)[ColTi] = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(HeatingRateText(f.samples, c.row, c.recording, c.currentStage, c.stageRow), c.text);
  }
}

TEST(HeatingRateText, TruncatesTowardZero) {
  ChartFixture f;
  for (int r = 0; r <= 40; ++r) f.AddRow(r, 0, r == 40 ? 93 : 100, 0);
  const std::array<std::int32_t, 6> stageRow{40};
  EXPECT_EQ(HeatingRateText(f.samples, 30, true, 0, stageRow), "Vн = -10 °C/м");  // -7 * 60 / 40 = -10.5
}

}  // namespace
