#include "ui/paint_box.h"

#include <QMouseEvent>
#include <QPainter>

void PaintBox::paintEvent(QPaintEvent*) {
  if (!onPaint) return;
  QPainter painter(this);
  onPaint(painter);
}

void PaintBox::mouseMoveEvent(QMouseEvent* e) {
  if (onMouseMove) onMouseMove(e->position().toPoint().x(), e->position().toPoint().y());
}

void PaintBox::resizeEvent(QResizeEvent*) {
  if (onResize) onResize();
}
