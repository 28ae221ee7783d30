#include "platform/qt/painter_canvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QString>
#include <cstdlib>

namespace {
QColor ToQColor(Color c) { return QColor(c.r, c.g, c.b); }
}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, Color textColor)
    : painter_(painter), textColor_(ToQColor(textColor)), font_(painter.font()) {
  // A font given in pixels (the window's 12 px) is restated in points of this device, so that
  // FontSize() reports it and SetFontSize() scales from the same unit.
  if (font_.pointSizeF() <= 0 && font_.pixelSize() > 0) {
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    font_.setPointSizeF(font_.pixelSize() * 72.0 / dpi);
  }
  painter_.setFont(font_);
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  ApplyPen();
  ApplyBrush();
}

void PainterCanvas::ApplyPen() {
  // A flat cap leaves the end point of a 1-px line unpainted, as GDI does.
  QPen pen(penColor_, penWidth_, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  painter_.setPen(pen);
}

void PainterCanvas::ApplyBrush() {
  painter_.setBrush(brushSolid_ ? QBrush(brushColor_) : QBrush(Qt::NoBrush));
}

void PainterCanvas::SetPenColor(Color c) {
  penColor_ = ToQColor(c);
  ApplyPen();
}

void PainterCanvas::SetPenWidth(int width) {
  penWidth_ = width < 1 ? 1 : width;
  ApplyPen();
}

void PainterCanvas::SetBrushColor(Color c) {
  brushSolid_ = true;
  brushColor_ = ToQColor(c);
  ApplyBrush();
}

void PainterCanvas::SetBrushClear() {
  brushSolid_ = false;
  ApplyBrush();
}

int PainterCanvas::FontSize() const { return qRound(font_.pointSizeF()); }

void PainterCanvas::SetFontSize(int points) {
  font_.setPointSize(points);
  painter_.setFont(font_);
}

void PainterCanvas::SetFontBold(bool bold) {
  font_.setBold(bold);
  painter_.setFont(font_);
}

void PainterCanvas::MoveTo(int x, int y) { penPos_ = QPoint(x, y); }

void PainterCanvas::LineTo(int x, int y) {
  const QPoint end(x, y);
  if (end == penPos_) return;
  QPoint from = penPos_, to = end;
  if (penWidth_ == 1) {
    // Qt's 1-px flat-cap line paints the major axis from its lower coordinate up to, not
    // including, its higher one. A line running towards lower coordinates is shifted one step
    // back so that its start pixel is painted and its end pixel is not.
    const int dx = to.x() - from.x(), dy = to.y() - from.y();
    const bool backwards = std::abs(dx) >= std::abs(dy) ? dx < 0 : dy < 0;
    if (backwards) {
      const QPoint step((dx > 0) - (dx < 0), (dy > 0) - (dy < 0));
      from -= step;
      to -= step;
    }
  }
  painter_.drawLine(from, to);
  penPos_ = end;
}

void PainterCanvas::TextOut(int x, int y, const std::string& text) {
  const QString s = QString::fromStdString(text);
  const QFontMetrics metrics(font_, painter_.device());
  const QRect box(x, y, metrics.horizontalAdvance(s), metrics.height());
  if (brushSolid_) painter_.fillRect(box, brushColor_);
  painter_.save();
  painter_.setPen(textColor_);
  painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, s);
  painter_.restore();
}

int PainterCanvas::TextWidth(const std::string& text) {
  return QFontMetrics(font_, painter_.device()).horizontalAdvance(QString::fromStdString(text));
}

int PainterCanvas::TextHeight(const std::string&) { return QFontMetrics(font_, painter_.device()).height(); }

void PainterCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  // The outline of a 1-px pen covers x1 .. x2-1 and y1 .. y2-1.
  painter_.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void PainterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  painter_.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}
