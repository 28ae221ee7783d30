#include "reports/prnreprt.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>

#include "cycle/lstorage.h"
#include "cycle/time_text.h"
#include "platform/recording_canvas.h"

using ::testing::ElementsAre;
using Kind = CanvasOp::Kind;

namespace {

// A 3000 x 2000 page: L 180, R 2880, T 160, B 1900; 5.8 pixels per °C; markers of half size 6.
// The recording canvas measures 7 pixels per character, so "00:00" is 35 wide and at most
// 2700 / (35 + 30) = 41 time divisions fit.
constexpr int W = 3000, H = 2000;
constexpr int L = 180, R = 2880, T = 160, B = 1900;

struct Row {
  int seconds, tr, ti, te;
};

class PrintedPage : public ::testing::Test {
 protected:
  PrintedPage() { samples.SetColumns(SampleColumnTypes, 4); }

  void Fill(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
      const std::int32_t r = samples.RowCount;
      samples.SetDateTime(ColTime, r, row.seconds * OneSecond);
      samples.Row(r)[ColTr] = row.tr;
      samples.Row(r)[ColTi] = row.ti;
      samples.Row(r)[ColTe] = row.te;
    }
  }
  void FillRamp(int count) {
    std::vector<Row> rows;
    for (int i = 0; i < count; ++i) rows.push_back({i, 20 + i % 200, 25, 30});
    Fill(rows);
  }
  PrnReprt& Draw() {
    page.DrawPage(canvas);
    return page;
  }

  std::vector<CanvasOp> Ops(Kind kind, int penWidth) const {
    std::vector<CanvasOp> ops;
    for (const CanvasOp& op : canvas.OpsOfKind(kind)) {
      if (op.penWidth == penWidth) ops.push_back(op);
    }
    return ops;
  }
  // x of the vertical grid lines of the time axis.
  std::vector<int> TimeGridX() const {
    std::vector<int> xs;
    for (const CanvasOp& op : Ops(Kind::LineTo, 1)) {
      if (op.from.y == B && op.to.y == T) xs.push_back(op.to.x);
    }
    return xs;
  }
  const CanvasOp* Text(const std::string& text) const {
    for (const CanvasOp& op : canvas.Ops()) {
      if (op.kind == Kind::TextOut && op.text == text) return &op;
    }
    return nullptr;
  }
  // The time labels under the time axis, with their left x.
  std::vector<std::pair<std::string, int>> TimeLabels() const {
    std::vector<std::pair<std::string, int>> labels;
    for (const CanvasOp& op : canvas.OpsOfKind(Kind::TextOut)) {
      if (op.from.y == B + 10) labels.emplace_back(op.text, op.from.x);
    }
    return labels;
  }

  LStorage samples;
  RecordingCanvas canvas;
  PrnReprt page{samples, "2024.03.15 14:05:09", "Плата 1", W, H};
};

CanvasPoint BoxAround(int x, int y) { return {x - 6, y - 6}; }

TEST_F(PrintedPage, TwoRowsGiveTwoDivisionsAndMarkersOnBothRows) {
  Fill({{0, 100, 90, 80}, {10, 200, 190, 180}});  // Tr at y 1320 and 740, Ti at 1378 and 798
  EXPECT_EQ(Draw().TickCount(), 2);
  EXPECT_THAT(TimeGridX(), ElementsAre(L, 1530, R));
  EXPECT_THAT(TimeLabels(), ElementsAre(std::pair{"00:00", L - 17}, std::pair{"00:05", 1530 - 17},
                                        std::pair{"00:10", R - 17}));

  const auto circles = Ops(Kind::Ellipse, 3), squares = Ops(Kind::Rectangle, 3);
  ASSERT_EQ(circles.size(), 2u);
  EXPECT_EQ(circles[0].from, BoxAround(L, 1320));
  EXPECT_EQ(circles[0].to, (CanvasPoint{L + 6, 1326}));
  EXPECT_EQ(circles[1].from, BoxAround(R, 740));
  ASSERT_EQ(squares.size(), 2u);
  EXPECT_EQ(squares[0].from, BoxAround(L, 1378));
  EXPECT_EQ(squares[1].from, BoxAround(R, 798));
  EXPECT_FALSE(circles[0].brush) << "markers are hollow";
}

TEST_F(PrintedPage, DivisionsAreRowsForShortTablesAndFitTheWidthForLongOnes) {
  struct Case {
    int rows, divisions;
  } cases[] = {{5, 5}, {41, 41}, {42, 41}, {10000, 41}};
  for (const Case& c : cases) {
    samples.Clear();
    canvas.ClearOps();
    FillRamp(c.rows);
    EXPECT_EQ(Draw().TickCount(), c.divisions) << c.rows << " rows";
    EXPECT_EQ(TimeGridX().size(), static_cast<std::size_t>(c.divisions + 1)) << c.rows << " rows";
    EXPECT_EQ(Ops(Kind::Ellipse, 3).size(), static_cast<std::size_t>(c.divisions)) << c.rows;
    EXPECT_EQ(Ops(Kind::Rectangle, 3).size(), static_cast<std::size_t>(c.divisions)) << c.rows;
  }
}

TEST_F(PrintedPage, EachCurveSpansThePlotWidth) {
  FillRamp(1000);
  Draw();
  const auto moves = Ops(Kind::MoveTo, 5), lines = Ops(Kind::LineTo, 5);
  ASSERT_EQ(moves.size(), 3u);
  ASSERT_EQ(lines.size(), 3u * 999);
  for (int curve = 0; curve < 3; ++curve) {
    EXPECT_EQ(moves[curve].to.x, L);
    EXPECT_EQ(lines[curve * 999 + 998].to.x, R);
  }
  EXPECT_EQ(moves[0].to.y, B - 116);  // Tr 20 °C
  EXPECT_EQ(moves[1].to.y, B - 145);  // Ti 25 °C
  EXPECT_EQ(moves[2].to.y, B - 174);  // Te 30 °C
}

TEST_F(PrintedPage, OneRowIsHeldAcrossThePlotWithoutDividingByZero) {
  Fill({{7, 100, 90, 80}});
  EXPECT_EQ(Draw().TickCount(), 1);
  EXPECT_THAT(TimeGridX(), ElementsAre(L, R));
  EXPECT_THAT(TimeLabels(), ElementsAre(std::pair{"00:07", L - 17}, std::pair{"00:07", R - 17}));
  const auto lines = Ops(Kind::LineTo, 5);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].from, (CanvasPoint{L, 1320}));
  EXPECT_EQ(lines[0].to, (CanvasPoint{R, 1320}));
  ASSERT_EQ(Ops(Kind::Ellipse, 3).size(), 1u);
  EXPECT_EQ(Ops(Kind::Ellipse, 3)[0].from, BoxAround(L, 1320));
}

TEST_F(PrintedPage, ValuesOffTheScaleAreDrawnUnclipped) {
  Fill({{0, 400, -20, INT_MAX}, {1, 400, -20, INT_MIN}});
  Draw();
  const auto moves = Ops(Kind::MoveTo, 5), lines = Ops(Kind::LineTo, 5);
  EXPECT_EQ(moves[0].to.y, B - 2320);  // above the plot area
  EXPECT_EQ(moves[1].to.y, B + 116);   // below the time axis
  EXPECT_EQ(moves[2].to.y, -(1 << 24));  // far off the page, still a valid coordinate
  EXPECT_EQ(lines[2].to.y, 1 << 24);
}

TEST_F(PrintedPage, TemperatureAxis) {
  FillRamp(3);
  Draw();
  const CanvasOp* caption = Text("T,°C");
  ASSERT_TRUE(caption);
  EXPECT_EQ(caption->from, (CanvasPoint{105, 100}));
  EXPECT_EQ(caption->brush, colors::White) << "texts before the curves have a background";

  const auto axes = Ops(Kind::LineTo, 3);
  ASSERT_GE(axes.size(), 2u);
  EXPECT_EQ(axes[0].from, (CanvasPoint{L, B}));
  EXPECT_EQ(axes[0].to, (CanvasPoint{L, 60}));
  EXPECT_EQ(axes[1].from, (CanvasPoint{L, B}));
  EXPECT_EQ(axes[1].to, (CanvasPoint{2940, B}));

  // Labels right-aligned left of the axis, centred on their grid lines every 15 °C.
  struct Label {
    const char* text;
    CanvasPoint at;
  } labels[] = {{"0", {159, B - 7}}, {"15", {152, 1813 - 7}}, {"300", {145, T - 7}}};
  for (const Label& label : labels) {
    const CanvasOp* op = Text(label.text);
    ASSERT_TRUE(op) << label.text;
    EXPECT_EQ(op->from, label.at) << label.text;
  }
  int gridLines = 0;
  for (const CanvasOp& op : Ops(Kind::LineTo, 1)) gridLines += op.from.x == L && op.to.x == R;
  EXPECT_EQ(gridLines, 21);

  const CanvasOp* timeCaption = Text("t, м:c");
  ASSERT_TRUE(timeCaption);
  EXPECT_EQ(timeCaption->from, (CanvasPoint{2895, 1860}));
}

TEST_F(PrintedPage, Header) {
  FillRamp(3);
  Draw();
  struct Expected {
    std::string text;
    CanvasPoint at;
    int fontSize;
    bool bold;
  } texts[] = {
      {"ЛОРН 2.1M", {600, 10}, 11, true},
      {"Отчет за:  2024.03.15 14:05:09", {600, 50}, 11, true},
      {"Расчетная температура", {1800, 8}, 9, false},
      {"Внутренная температура", {1800, 40}, 9, false},
      {"Внешная температура", {1800, 72}, 9, false},
      {"Плата 1", {300, 110}, 10, false},
  };
  for (const Expected& e : texts) {
    const CanvasOp* op = Text(e.text);
    ASSERT_TRUE(op) << e.text;
    EXPECT_EQ(op->from, e.at) << e.text;
    EXPECT_EQ(op->fontSize, e.fontSize) << e.text;
    EXPECT_EQ(op->bold, e.bold) << e.text;
    EXPECT_FALSE(op->brush) << e.text << ": texts after the curves have no background";
  }
  EXPECT_EQ(canvas.FontSize(), 9) << "the font is left as it was found";

  const auto legendLines = Ops(Kind::LineTo, 4);
  ASSERT_EQ(legendLines.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const int y = std::array{26, 58, 90}[i];
    EXPECT_EQ(legendLines[i].from, (CanvasPoint{2190, y}));
    EXPECT_EQ(legendLines[i].to, (CanvasPoint{2340, y}));
  }
  const auto circles = Ops(Kind::Ellipse, 4), squares = Ops(Kind::Rectangle, 4);
  ASSERT_EQ(circles.size(), 2u);
  EXPECT_EQ(circles[0].from, BoxAround(2220, 26));
  EXPECT_EQ(circles[1].from, BoxAround(2280, 26));
  ASSERT_EQ(squares.size(), 2u);
  EXPECT_EQ(squares[0].from, BoxAround(2250, 58));
  EXPECT_EQ(squares[1].from, BoxAround(2310, 58));
}

TEST_F(PrintedPage, AllInBlack) {
  canvas.SetPenColor(colors::Fuchsia);
  FillRamp(3);
  Draw();
  for (const CanvasOp& op : canvas.Ops()) EXPECT_EQ(op.pen, colors::Black);
}

}  // namespace
