#pragma once
// A plain drawing surface that hands its paint and mouse-move events to its owner.
#include <QWidget>
#include <functional>

class QPainter;

class PaintBox : public QWidget {
 public:
  explicit PaintBox(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }
  std::function<void(QPainter&)> onPaint;
  std::function<void(int x, int y)> onMouseMove;
  std::function<void()> onResize;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void resizeEvent(QResizeEvent*) override;
};
