#pragma once
// The chart's state: plot geometry in PaintBox3 pixels (x right, y down, origin at the box's
// top-left), the temperature range, the time zoom, the selected row and the time axis ends.
// Owned by the window, read and written on its thread only.
#include <array>

#include "platform/canvas.h"

struct ChartState {
  static constexpr int PlotLeft = 39;  // x of the temperature axis; the first visible row is at +1
  static constexpr int PlotTop = 25;   // TempMax lies at y = PlotTop - 1

  int BoxWidth = 0, BoxHeight = 0;     // PaintBox3's client size, set before Panel1Resize
  int PlotRight = 0;                   // BoxWidth - 25
  int PlotBottom = 0;                  // BoxHeight - 25: y of the time axis; TempMin at PlotBottom - 1
  int TempMin = 0, TempMax = 300;      // °C at the bottom and top of the plot band
  int TimeZoom = 1;                    // pixels per sample, 1 .. 10
  int CursorRow = -1;                  // selected row, -1 for none
  double AxisTimeFrom = 0, AxisTimeTo = 0;  // elapsed times (days) at the ends of the time axis

  // Sample positions the scroll range and the time axis account for. At least 1, so that a box
  // narrower than the plot margins still keeps the scroll range inside the table.
  int VisibleSamples() const;
};

// Colours of the Tr, Ti and Te curves, as those of their value labels.
inline constexpr std::array<Color, 3> CurveColors{colors::Fuchsia, colors::Black, colors::Green};
