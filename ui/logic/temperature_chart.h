#pragma once
// The temperature chart: the Tr, Ti and Te curves of the sample table over elapsed time, with a
// temperature axis and yellow grid, a time axis with "nn:ss" labels and a gray cursor line at the
// selected row. Panel1Resize recomputes the geometry, ScrollBar1's range and the time axis ends;
// PaintBox3Paint draws the whole chart from that state on every repaint.
#include <optional>

#include "cycle/lstorage.h"
#include "platform/canvas.h"
#include "ui/logic/chart_state.h"
#include "ui/logic/scroll_bar.h"

class TemperatureChart {
 public:
  // ScrollBar1's position is the first visible row. All three are the window's and outlive this.
  TemperatureChart(ChartState& state, const LStorage& samples, ScrollBar& scrollBar1);

  // Does not repaint. Setting ScrollBar1's maximum may run its change handler, which may call
  // Panel1Resize again; the outer call then carries on at the new position.
  void Panel1Resize();

  // Draws axes, grid, cursor line and curves, in that order. Returns Label6's left edge in
  // Panel1's coordinates (the box starts at x = 22 there) beside the cursor line, or nullopt when
  // no row is selected and Label6 is to be hidden.
  std::optional<int> PaintBox3Paint(Canvas& canvas) const;
  void DrawTemperatureAxis(Canvas& canvas) const;
  void DrawTimeAxis(Canvas& canvas) const;
  std::optional<int> DrawCurves(Canvas& canvas) const;

 private:
  int TemperatureY(int celsius) const;

  ChartState& state_;
  const LStorage& samples_;
  ScrollBar& scrollBar1_;
};
