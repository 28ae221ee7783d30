#pragma once
// PainterCanvas: the Canvas over a QPainter, for the screen and the printer. The caller owns the
// painter, which must be active for the canvas's lifetime; the canvas starts from the painter's
// font (its face stays, size and weight follow SetFontSize/SetFontBold) and never enables
// antialiasing, so pixels land exactly where the GDI-style coordinates say.
#include <QColor>
#include <QFont>
#include <QPoint>

#include "platform/canvas.h"

class QPainter;

class PainterCanvas : public Canvas {
 public:
  // Texts are drawn in textColor (the window-text colour of the surface being painted).
  explicit PainterCanvas(QPainter& painter, Color textColor = colors::Black);

  void SetPenColor(Color c) override;
  void SetPenWidth(int width) override;
  void SetBrushColor(Color c) override;
  void SetBrushClear() override;
  int FontSize() const override;
  void SetFontSize(int points) override;
  void SetFontBold(bool bold) override;

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void TextOut(int x, int y, const std::string& text) override;
  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;

 private:
  void ApplyPen();
  void ApplyBrush();

  QPainter& painter_;
  QColor penColor_{Qt::black};
  int penWidth_ = 1;
  bool brushSolid_ = true;
  QColor brushColor_{Qt::white};
  QColor textColor_;
  QFont font_;
  QPoint penPos_;
};
