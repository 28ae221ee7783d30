#include "ui/anchors.h"

#include <QEvent>
#include <QWidget>

Anchors::Anchors(QWidget* parent, QSize designSize) : QObject(parent), parent_(parent), design_(designSize) {
  parent->installEventFilter(this);
}

void Anchors::Add(QWidget* w, QRect designGeometry, int anchors) {
  items_.push_back({w, designGeometry, anchors});
  Place(items_.back(), parent_->size());
}

bool Anchors::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent_ && event->type() == QEvent::Resize)
    for (const Item& item : items_) Place(item, parent_->size());
  return false;
}

void Anchors::Place(const Item& item, QSize parentSize) const {
  const int dw = parentSize.width() - design_.width();
  const int dh = parentSize.height() - design_.height();
  QRect r = item.design;
  if (item.anchors & AnchorRight) {
    if (item.anchors & AnchorLeft) r.setWidth(r.width() + dw);
    else r.moveLeft(r.left() + dw);
  }
  if (item.anchors & AnchorBottom) {
    if (item.anchors & AnchorTop) r.setHeight(r.height() + dh);
    else r.moveTop(r.top() + dh);
  }
  item.widget->setGeometry(r);
}
