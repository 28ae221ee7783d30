#include "ui/logic/chart_navigation.h"

#include <algorithm>
#include <utility>

ChartNavigation::ChartNavigation(ChartState& state, TemperatureChart& chart, ScrollBar& scrollBar1,
                                 ScrollBar& scrollBar2, std::function<void()> requestRepaint)
    : state_(state),
      chart_(chart),
      scrollBar1_(scrollBar1),
      scrollBar2_(scrollBar2),
      requestRepaint_(std::move(requestRepaint)) {}

void ChartNavigation::SpeedButton4Click(int tag) {
  const int direction = tag == 1 ? +1 : -1;  // +1 narrows the range
  if (direction > 0 && state_.TempMax - state_.TempMin <= TempStep) return;
  state_.TempMax -= TempStep * direction;
  state_.TempMin += TempStep * direction;
  if (state_.TempMin == state_.TempMax) {  // narrowing a span of 20 would leave none
    state_.TempMin -= TempStep;
    state_.TempMax += TempStep;
  }
  // Each end is held separately, so widening at an end of the scale adds less than 20.
  state_.TempMin = std::max(state_.TempMin, 0);
  state_.TempMax = std::min(state_.TempMax, TempScaleMax);

  // ScrollBar2 position p shows the range topped at 300 - 10 p. Moving it runs ScrollBar2Change,
  // which derives the same range from the new position.
  const int steps = (TempScaleMax - (state_.TempMax - state_.TempMin)) / TempStep;
  scrollBar2_.SetVisible(steps != 0);
  scrollBar2_.SetMax(steps);
  scrollBar2_.SetPosition(steps - state_.TempMin / TempStep);
  requestRepaint_();
}

void ChartNavigation::ScrollBar2Change() {
  const int span = state_.TempMax - state_.TempMin;
  state_.TempMax = TempScaleMax - TempStep * scrollBar2_.Position();
  state_.TempMin = state_.TempMax - span;
  requestRepaint_();
}

void ChartNavigation::SpeedButton6Click(int tag) {
  state_.TimeZoom = std::clamp(state_.TimeZoom + (tag == 1 ? -1 : +1), 1, MaxTimeZoom);
  chart_.Panel1Resize();
  requestRepaint_();
}

void ChartNavigation::ScrollBar1Change() {
  // A coarse test by the plot's width in pixels whatever the zoom; Panel1Resize then clears a
  // row beyond the exact last row of the view.
  const int first = scrollBar1_.Position();
  if (state_.CursorRow < first || state_.CursorRow >= first + (state_.PlotRight - ChartState::PlotLeft))
    state_.CursorRow = -1;
  chart_.Panel1Resize();
  requestRepaint_();
}
