#pragma once
// Keeps child widgets at fixed distances from the parent edges they are anchored to, as the
// window's absolute layout requires: a widget anchored left and right stretches with the parent,
// one anchored right only moves with the right edge, and so on.
#include <QObject>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

enum Anchor { AnchorLeft = 1, AnchorTop = 2, AnchorRight = 4, AnchorBottom = 8 };

class Anchors : public QObject {
 public:
  // designSize: the parent's size that the children's design geometries refer to.
  Anchors(QWidget* parent, QSize designSize);
  // Places w at its design geometry and keeps it anchored from now on.
  void Add(QWidget* w, QRect designGeometry, int anchors);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Item {
    QWidget* widget;
    QRect design;
    int anchors;
  };
  void Place(const Item& item, QSize parentSize) const;

  QWidget* parent_;
  QSize design_;
  std::vector<Item> items_;
};
