#pragma once
// Chart navigation: the temperature zoom buttons (SpeedButton4 widens, SpeedButton5 narrows the
// range by 10 °C at each end), the vertical scroll bar that moves the range in 10 °C steps, the
// time zoom buttons (SpeedButton6 one pixel less, SpeedButton7 one more per sample) and the
// horizontal scroll bar whose position is the first visible row.
//
// The window connects each scroll bar's change notification to ScrollBar1Change/ScrollBar2Change;
// they run also when the program moves a bar (Panel1Resize lowering ScrollBar1's maximum,
// SpeedButton4Click setting ScrollBar2). Every action that changes the view calls requestRepaint.
#include <functional>

#include "ui/logic/chart_state.h"
#include "ui/logic/scroll_bar.h"
#include "ui/logic/temperature_chart.h"

class ChartNavigation {
 public:
  // Everything is the window's and outlives this object.
  ChartNavigation(ChartState& state, TemperatureChart& chart, ScrollBar& scrollBar1, ScrollBar& scrollBar2,
                  std::function<void()> requestRepaint);

  void SpeedButton4Click(int tag);  // tag 1 narrows (SpeedButton5), any other widens (SpeedButton4)
  void ScrollBar2Change();
  void SpeedButton6Click(int tag);  // tag 1 compresses time (SpeedButton6), any other stretches it
  void ScrollBar1Change();

  static constexpr int TempScaleMax = 300;  // °C at the top of the whole scale
  static constexpr int TempStep = 10;       // °C per zoom click and per ScrollBar2 step
  static constexpr int MaxTimeZoom = 10;    // pixels per sample

 private:
  ChartState& state_;
  TemperatureChart& chart_;
  ScrollBar& scrollBar1_;
  ScrollBar& scrollBar2_;
  std::function<void()> requestRepaint_;
};
