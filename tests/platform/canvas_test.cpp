#include <QFont>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/qt/painter_canvas.h"
#include "platform/recording_canvas.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

QImage WhiteImage(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

TEST(PainterCanvas, OnePixelLinesStopShortOfTheirEndPoint) {
  struct Case { int x0, y0, x1, y1; };
  // Horizontal, vertical and diagonal lines in every direction, and a shallow one.
  for (const Case c : {Case{2, 5, 12, 5}, Case{5, 2, 5, 12}, Case{12, 5, 2, 5}, Case{5, 12, 5, 2}, Case{2, 2, 12, 12},
                       Case{12, 12, 2, 2}, Case{12, 2, 2, 12}, Case{2, 12, 12, 2}, Case{13, 8, 1, 4}}) {
    SCOPED_TRACE(testing::Message() << c.x0 << "," << c.y0 << " -> " << c.x1 << "," << c.y1);
    QImage image = WhiteImage(16, 16);
    {
      QPainter painter(&image);
      PainterCanvas canvas(painter);
      canvas.SetPenColor(colors::Black);
      canvas.MoveTo(c.x0, c.y0);
      canvas.LineTo(c.x1, c.y1);
    }
    EXPECT_EQ(image.pixel(c.x0, c.y0), kBlack) << "start pixel";
    EXPECT_EQ(image.pixel((c.x0 + c.x1) / 2, (c.y0 + c.y1) / 2), kBlack) << "middle pixel";
    const int dx = (c.x1 > c.x0) - (c.x1 < c.x0), dy = (c.y1 > c.y0) - (c.y1 < c.y0);
    if (c.x1 - c.x0 == 0 || c.y1 - c.y0 == 0 || std::abs(c.x1 - c.x0) == std::abs(c.y1 - c.y0)) {
      EXPECT_EQ(image.pixel(c.x1 - dx, c.y1 - dy), kBlack) << "pixel before the end";
    }
    EXPECT_EQ(image.pixel(c.x1, c.y1), kWhite) << "end pixel";
  }
}

TEST(PainterCanvas, ALineToThePenPositionPaintsNothing) {
  QImage image = WhiteImage(8, 8);
  {
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    canvas.MoveTo(3, 3);
    canvas.LineTo(3, 3);
  }
  EXPECT_EQ(image.pixel(3, 3), kWhite);
}

TEST(PainterCanvas, TextIsPlacedByItsTopLeftOnTheSolidBrushColour) {
  QImage image = WhiteImage(120, 40);
  QFont font("DejaVu Sans");
  font.setPixelSize(12);
  int width = 0, height = 0;
  {
    QPainter painter(&image);
    painter.setFont(font);
    PainterCanvas canvas(painter);
    canvas.SetBrushColor(colors::Yellow);
    width = canvas.TextWidth("00:00");
    height = canvas.TextHeight("00:00");
    canvas.TextOut(10, 8, "00:00");
    canvas.SetBrushClear();
    canvas.TextOut(10, 24, "-");
  }
  ASSERT_GT(width, 10);
  ASSERT_GE(height, 12);
  const QRgb yellow = qRgb(255, 255, 0);
  EXPECT_EQ(image.pixel(10, 8), yellow) << "top-left corner of the background";
  EXPECT_EQ(image.pixel(10 + width - 1, 8 + height - 1), yellow) << "bottom-right corner";
  EXPECT_EQ(image.pixel(9, 8), kWhite);
  EXPECT_EQ(image.pixel(10 + width, 8), kWhite);
  EXPECT_EQ(image.pixel(10, 7), kWhite);
  int dark = 0;
  for (int x = 10; x < 10 + width; ++x)
    for (int y = 8; y < 8 + height; ++y) dark += qGray(image.pixel(x, y)) < 100;
  EXPECT_GT(dark, 10) << "the glyphs themselves";
  EXPECT_EQ(image.pixel(10, 24), kWhite) << "a clear brush leaves the background";
}

TEST(PainterCanvas, FontSizeIsInPointsOfTheDevice) {
  QImage image = WhiteImage(8, 8);  // 96 dpi
  QFont font("DejaVu Sans");
  font.setPixelSize(12);
  QPainter painter(&image);
  painter.setFont(font);
  PainterCanvas canvas(painter);
  EXPECT_EQ(canvas.FontSize(), 9);
  const int height9 = canvas.TextHeight("X");
  canvas.SetFontSize(18);
  EXPECT_EQ(canvas.FontSize(), 18);
  EXPECT_GT(canvas.TextHeight("X"), height9 * 3 / 2);
}

TEST(PainterCanvas, ShapesFillTheirBoxWithRightAndBottomExclusive) {
  QImage image = WhiteImage(16, 16);
  {
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    canvas.SetBrushColor(colors::Green);
    canvas.Rectangle(2, 3, 10, 12);
  }
  EXPECT_EQ(image.pixel(2, 3), kBlack) << "outline, top-left";
  EXPECT_EQ(image.pixel(9, 11), kBlack) << "outline, bottom-right";
  EXPECT_EQ(image.pixel(10, 11), kWhite);
  EXPECT_EQ(image.pixel(9, 12), kWhite);
  EXPECT_EQ(image.pixel(5, 6), qRgb(0, 128, 0)) << "filled inside";

  QImage round = WhiteImage(16, 16);
  {
    QPainter painter(&round);
    PainterCanvas canvas(painter);
    canvas.SetBrushClear();
    canvas.Ellipse(0, 0, 11, 11);
  }
  EXPECT_EQ(round.pixel(5, 0), kBlack) << "top of the outline";
  EXPECT_EQ(round.pixel(5, 10), kBlack) << "bottom of the outline";
  EXPECT_EQ(round.pixel(5, 11), kWhite);
  EXPECT_EQ(round.pixel(5, 5), kWhite) << "clear brush: not filled";
}

TEST(RecordingCanvas, RecordsEachOperationWithTheStateInForce) {
  RecordingCanvas canvas;
  canvas.SetPenColor(colors::Yellow);
  canvas.SetPenWidth(3);
  canvas.MoveTo(1, 2);
  canvas.LineTo(5, 6);
  canvas.SetBrushClear();
  canvas.SetFontSize(14);
  canvas.SetFontBold(true);
  canvas.TextOut(7, 8, "T,°C");
  ASSERT_EQ(canvas.Ops().size(), 3u);
  const CanvasOp& line = canvas.Ops()[1];
  EXPECT_EQ(line.kind, CanvasOp::Kind::LineTo);
  EXPECT_EQ(line.from, (CanvasPoint{1, 2}));
  EXPECT_EQ(line.to, (CanvasPoint{5, 6}));
  EXPECT_EQ(line.pen, colors::Yellow);
  EXPECT_EQ(line.penWidth, 3);
  EXPECT_EQ(line.brush, colors::White);
  const CanvasOp& text = canvas.Ops()[2];
  EXPECT_EQ(text.text, "T,°C");
  EXPECT_EQ(text.brush, std::nullopt);
  EXPECT_EQ(text.fontSize, 14);
  EXPECT_TRUE(text.bold);
  EXPECT_EQ(canvas.OpsOfKind(CanvasOp::Kind::MoveTo).size(), 1u);
}

TEST(RecordingCanvas, MeasuresTextInCodePoints) {
  RecordingCanvas canvas(6, 11);
  EXPECT_EQ(canvas.TextWidth("T,°C"), 24);  // 4 code points, 5 bytes
  EXPECT_EQ(canvas.TextWidth("Сушка"), 30);
  EXPECT_EQ(canvas.TextWidth(""), 0);
  EXPECT_EQ(canvas.TextHeight("x"), 11);
}

}  // namespace
