#include <gtest/gtest.h>

#include "tests/ui/logic/chart_fixture.h"

namespace {

constexpr int Narrow = 1;  // SpeedButton5
constexpr int Widen = 2;   // SpeedButton4
constexpr int Compress = 1;  // SpeedButton6
constexpr int Stretch = 2;   // SpeedButton7

TEST(ScrollBarModel, KeepsThePositionInRangeAndReportsOnlyRealChanges) {
  int changes = 0;
  ScrollBarModel bar([&] { ++changes; });
  struct Step {
    enum { SetMax, SetPosition } op;
    int value, position, changes;
  };
  const Step steps[] = {{Step::SetPosition, 5, 0, 0},  {Step::SetMax, 10, 0, 0},      {Step::SetPosition, 7, 7, 1},
                        {Step::SetPosition, 7, 7, 1},  {Step::SetPosition, 99, 10, 2}, {Step::SetMax, 12, 10, 2},
                        {Step::SetMax, 4, 4, 3},       {Step::SetPosition, -3, 0, 4},  {Step::SetMax, -5, 0, 4}};
  for (const Step& s : steps) {
    if (s.op == Step::SetMax) bar.SetMax(s.value); else bar.SetPosition(s.value);
    EXPECT_EQ(bar.Position(), s.position);
    EXPECT_EQ(changes, s.changes);
  }
  EXPECT_EQ(bar.Max(), 0);
}

struct Range {
  int min, max;
  friend bool operator==(const Range&, const Range&) = default;
};

Range TempRange(const ChartFixture& f) { return {f.state.TempMin, f.state.TempMax}; }

TEST(ChartNavigation, NarrowingFromTheFullRange) {
  ChartFixture f;
  for (int click = 1; click <= 14; ++click) {
    f.nav.SpeedButton4Click(Narrow);
    EXPECT_EQ(TempRange(f), (Range{10 * click, 300 - 10 * click})) << "click " << click;
  }
  EXPECT_TRUE(f.bar2.Visible());
  EXPECT_EQ(f.bar2.Max(), 28);
  EXPECT_EQ(f.bar2.Position(), 14);
  const int repaints = f.repaints;
  f.nav.SpeedButton4Click(Narrow);  // a span of 20 cannot shrink to nothing
  EXPECT_EQ(TempRange(f), (Range{140, 160}));
  EXPECT_EQ(f.bar2.Position(), 14);
  EXPECT_GT(f.repaints, repaints);
}

TEST(ChartNavigation, TemperatureZoomAndScrollSequences) {
  struct Action {
    enum { Button, Bar2 } what;
    int value;
    Range range;
    bool bar2Visible;
    int bar2Max, bar2Position;
    bool repaints;
  };
  struct Sequence {
    const char* name;
    int narrowClicks;  // from [0, 300]: 14 give [140, 160], 1 gives [10, 290]
    std::vector<Action> actions;
  };
  const Sequence sequences[] = {
      {"to the bottom of the scale, then widen against it and narrow to the least span", 14,
       {{Action::Bar2, 28, {0, 20}, true, 28, 28, true},
        {Action::Button, Widen, {0, 30}, true, 27, 27, true},
        {Action::Button, Narrow, {10, 20}, true, 29, 28, true},
        {Action::Button, Narrow, {10, 20}, true, 29, 28, false}}},
      {"widening back to the full scale hides the bar", 1,
       {{Action::Bar2, 2, {0, 280}, true, 2, 2, true},
        {Action::Button, Widen, {0, 290}, true, 1, 1, true},
        {Action::Button, Widen, {0, 300}, false, 0, 0, true},
        {Action::Button, Widen, {0, 300}, false, 0, 0, true}}},
      {"widening at the top holds the top end", 14,
       {{Action::Bar2, 2, {260, 280}, true, 28, 2, true},
        {Action::Button, Widen, {250, 290}, true, 26, 1, true},
        {Action::Button, Widen, {240, 300}, true, 24, 0, true},
        {Action::Button, Widen, {230, 300}, true, 23, 0, true}}},
  };
  for (const Sequence& seq : sequences) {
    SCOPED_TRACE(seq.name);
    ChartFixture f;
    for (int i = 0; i < seq.narrowClicks; ++i) f.nav.SpeedButton4Click(Narrow);
    for (std::size_t step = 0; step < seq.actions.size(); ++step) {
      const Action& a = seq.actions[step];
      SCOPED_TRACE(step);
      const int repaints = f.repaints;
      if (a.what == Action::Button) f.nav.SpeedButton4Click(a.value); else f.bar2.SetPosition(a.value);
      EXPECT_EQ(TempRange(f), a.range);
      EXPECT_EQ(f.bar2.Visible(), a.bar2Visible);
      EXPECT_EQ(f.bar2.Max(), a.bar2Max);
      EXPECT_EQ(f.bar2.Position(), a.bar2Position);
      EXPECT_EQ(f.repaints > repaints, a.repaints);
    }
  }
}

TEST(ChartNavigation, TimeZoomStaysWithinItsLimitsAndAlwaysRescales) {
  ChartFixture f;
  f.AddRows(1000);
  f.chart.Panel1Resize();
  struct Step {
    int tag, zoom, bar1Max;
  };
  for (const Step s : {Step{Compress, 1, 313}, Step{Stretch, 2, 657}, Step{Compress, 1, 313}}) {
    const int repaints = f.repaints;
    f.nav.SpeedButton6Click(s.tag);
    EXPECT_EQ(f.state.TimeZoom, s.zoom);
    EXPECT_EQ(f.bar1.Max(), s.bar1Max);
    EXPECT_GT(f.repaints, repaints);
  }
  for (int i = 0; i < 12; ++i) f.nav.SpeedButton6Click(Stretch);
  EXPECT_EQ(f.state.TimeZoom, 10);
  EXPECT_EQ(f.bar1.Max(), 1000 - 68);
}

TEST(ChartNavigation, CompressingTimeMovesTheViewThroughTheChangeHandlerOnce) {
  ChartFixture f;
  f.AddRows(1000);
  f.nav.SpeedButton6Click(Stretch);  // zoom 2: 343 rows in view
  f.bar1.SetPosition(f.bar1.Max());  // rows 657 .. 999
  f.state.CursorRow = 900;
  const int changes = f.bar1Changes;
  f.nav.SpeedButton6Click(Compress);  // the smaller maximum pulls the position down to 313
  EXPECT_EQ(f.bar1Changes, changes + 1);
  EXPECT_EQ(f.bar1.Position(), 313);
  EXPECT_DOUBLE_EQ(f.state.AxisTimeFrom, 313 * OneSecond);
  EXPECT_DOUBLE_EQ(f.state.AxisTimeTo, 999 * OneSecond);
  EXPECT_EQ(f.state.CursorRow, 900) << "still in view";
}

TEST(ChartNavigation, StretchingTimeClearsASelectionRightOfTheView) {
  ChartFixture f;
  f.AddRows(1000);
  f.chart.Panel1Resize();
  f.state.CursorRow = 600;
  f.nav.SpeedButton6Click(Stretch);  // view 0 .. 342
  EXPECT_EQ(f.bar1.Position(), 0);
  EXPECT_EQ(f.state.CursorRow, -1);
}

TEST(ChartNavigation, HorizontalScrollClearsASelectionThatLeavesTheView) {
  struct Case {
    int zoom, cursorRow, position;
    bool kept;
  };
  // Left of the view, and right of its last row: at zoom 2 the coarse test by the plot's width
  // (688 px) lets such a row through and the rescale clears it.
  for (const Case c : {Case{1, 10, 11, false}, Case{1, 10, 10, true}, Case{1, 700, 13, false}, Case{1, 700, 14, true},
                       Case{2, 400, 57, false}, Case{2, 400, 58, true}}) {
    SCOPED_TRACE(testing::Message() << "zoom " << c.zoom << ", row " << c.cursorRow << ", position " << c.position);
    ChartFixture f;
    f.AddRows(1000);
    f.state.TimeZoom = c.zoom;
    f.chart.Panel1Resize();
    f.bar1.SetPosition(c.position > 0 ? c.position - 1 : 1);
    f.state.CursorRow = c.cursorRow;
    const int repaints = f.repaints;
    f.bar1.SetPosition(c.position);
    EXPECT_EQ(f.state.CursorRow, c.kept ? c.cursorRow : -1);
    EXPECT_GT(f.repaints, repaints);
  }
}

TEST(ChartNavigation, ANewSampleReturnsAScrolledBackViewToTheNewestRows) {
  ChartFixture f;
  f.AddRows(800);
  f.chart.Panel1Resize();
  f.bar1.SetPosition(f.bar1.Max());
  f.bar1.SetPosition(20);  // the user scrolls back and selects an old row
  f.state.CursorRow = 30;
  // What each appended sample does: a row, a rescale, the view to its end.
  f.AddRows(1, 800);
  f.chart.Panel1Resize();
  f.bar1.SetPosition(f.bar1.Max());
  EXPECT_EQ(f.bar1.Position(), 801 - 687);
  EXPECT_EQ(f.state.CursorRow, -1);
  EXPECT_DOUBLE_EQ(f.state.AxisTimeTo, 800 * OneSecond);
}

TEST(ChartNavigation, ASmallerDataSetPullsTheViewBack) {
  ChartFixture f;
  f.AddRows(1000);
  f.chart.Panel1Resize();
  f.bar1.SetPosition(f.bar1.Max());
  f.samples.Clear();
  f.AddRows(700, 10);
  f.state.CursorRow = -1;
  f.chart.Panel1Resize();
  EXPECT_EQ(f.bar1.Position(), 13);
  EXPECT_DOUBLE_EQ(f.state.AxisTimeFrom, 23 * OneSecond);
  EXPECT_DOUBLE_EQ(f.state.AxisTimeTo, 709 * OneSecond);
}

}  // namespace
