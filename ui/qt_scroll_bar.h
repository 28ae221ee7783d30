#pragma once
// The chart's scroll-bar interface over a QScrollBar. QScrollBar moves its value into a new range
// and emits valueChanged exactly when the value changes, whoever moved it, which is what the chart
// logic expects of a scroll bar.
#include <QScrollBar>

#include "ui/logic/scroll_bar.h"

class QtScrollBar : public ScrollBar {
 public:
  explicit QtScrollBar(QScrollBar* bar) : bar_(bar) {}
  int Max() const override { return bar_->maximum(); }
  void SetMax(int max) override { bar_->setMaximum(max < 0 ? 0 : max); }
  int Position() const override { return bar_->value(); }
  void SetPosition(int position) override { bar_->setValue(position); }
  bool Visible() const override { return !bar_->isHidden(); }
  void SetVisible(bool visible) override { bar_->setVisible(visible); }

 private:
  QScrollBar* bar_;
};
