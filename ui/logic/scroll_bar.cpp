#include "ui/logic/scroll_bar.h"

#include <algorithm>

void ScrollBarModel::SetMax(int max) {
  max_ = std::max(max, 0);
  MoveTo(position_);
}

void ScrollBarModel::SetPosition(int position) { MoveTo(position); }

void ScrollBarModel::MoveTo(int position) {
  const int clamped = std::clamp(position, 0, max_);
  if (clamped == position_) return;
  position_ = clamped;
  if (OnChange) OnChange();
}
