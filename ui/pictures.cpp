#include "ui/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

namespace {
QPixmap Blank(int w, int h) {
  QPixmap p(w, h);
  p.fill(Qt::transparent);
  return p;
}

// A filled arrow head at `tip` pointing in direction (dx, dy), size s.
void ArrowHead(QPainter& p, QPointF tip, qreal dx, qreal dy, qreal s) {
  const QPointF back(tip.x() - dx * s, tip.y() - dy * s);
  const QPointF side(-dy * s * 0.6, dx * s * 0.6);
  p.drawPolygon(QPolygonF{tip, back + side, back - side});
}

// Arrows pointing at a line (zoom out) or a double arrow between two bars (zoom in), drawn for the
// horizontal case and turned by 90 degrees for the vertical one.
QPixmap ZoomIcon(QColor color, bool pointingAtLine, bool vertical) {
  QPixmap pm = Blank(16, 16);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  if (vertical) p.setTransform(QTransform().translate(16, 0).rotate(90));
  p.setPen(QPen(color, 1.5));
  p.setBrush(color);
  if (pointingAtLine) {
    p.drawLine(QPointF(1, 8), QPointF(15, 8));
    p.drawLine(QPointF(8, 0.5), QPointF(8, 4));
    ArrowHead(p, QPointF(8, 6.5), 0, 1, 3);
    p.drawLine(QPointF(8, 15.5), QPointF(8, 12));
    ArrowHead(p, QPointF(8, 9.5), 0, -1, 3);
  } else {
    p.drawLine(QPointF(2, 1), QPointF(14, 1));
    p.drawLine(QPointF(2, 15), QPointF(14, 15));
    p.drawLine(QPointF(8, 5), QPointF(8, 11));
    ArrowHead(p, QPointF(8, 2.5), 0, -1, 3);
    ArrowHead(p, QPointF(8, 13.5), 0, 1, 3);
  }
  return pm;
}
}  // namespace

namespace pictures {

QPixmap Lamp(int index) {
  QPixmap pm = Blank(20, 19);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor base = index == 0 ? QColor(138, 43, 226) : QColor(0, 170, 0);
  QRadialGradient shade(QPointF(7.5, 6.5), 10);
  shade.setColorAt(0, Qt::white);
  shade.setColorAt(0.35, base.lighter(130));
  shade.setColorAt(1, base.darker(170));
  p.setPen(QPen(base.darker(220), 1));
  p.setBrush(shade);
  p.drawEllipse(QRectF(1.5, 1.0, 16.5, 16.5));
  return pm;
}

QPixmap OpenReport() {
  QPixmap pm = Blank(25, 25);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(128, 96, 0), 1));
  p.setBrush(QColor(230, 190, 60));
  p.drawPolygon(QPolygonF{{1, 8}, {8, 8}, {10, 10}, {19, 10}, {19, 22}, {1, 22}});  // back
  p.setBrush(QColor(255, 220, 90));
  p.drawPolygon(QPolygonF{{1, 22}, {5, 13}, {24, 13}, {19, 22}});  // open front flap
  QPainterPath arrow(QPointF(12, 9));
  arrow.cubicTo(QPointF(13, 3), QPointF(18, 1), QPointF(21, 4));
  p.setPen(QPen(QColor(0, 140, 0), 2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arrow);
  p.setBrush(QColor(0, 140, 0));
  p.setPen(Qt::NoPen);
  p.drawPolygon(QPolygonF{{23, 2}, {23, 8}, {17, 5}});
  return pm;
}

QPixmap Printer() {
  QPixmap pm = Blank(22, 22);
  QPainter p(&pm);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawRect(6, 2, 10, 8);  // paper going in
  p.setBrush(QColor(192, 192, 192));
  p.drawRect(2, 9, 18, 8);  // body
  p.setBrush(Qt::white);
  p.drawRect(5, 14, 12, 6);  // printed sheet
  p.setPen(QColor(0, 128, 0));
  p.drawPoint(17, 11);
  p.setPen(Qt::black);
  p.drawLine(7, 16, 15, 16);
  p.drawLine(7, 18, 13, 18);
  return pm;
}

QPixmap TempZoomOut() { return ZoomIcon(QColor(128, 0, 0), true, false); }
QPixmap TempZoomIn() { return ZoomIcon(QColor(128, 0, 0), false, false); }
QPixmap TimeZoomOut() { return ZoomIcon(QColor(0, 0, 200), true, true); }
QPixmap TimeZoomIn() { return ZoomIcon(QColor(0, 0, 200), false, true); }

}  // namespace pictures
