#pragma once
// The readout under the mouse: the row selected by a mouse move over the chart, the value labels
// of the newest and the selected row, and the heating rate of the selected row's stage.
// Label texts are UTF-8; the degree sign is U+00B0.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "cycle/lstorage.h"
#include "ui/logic/chart_state.h"

inline constexpr const char* NoValueText = "x °C";
inline constexpr const char* NoRateText = "Vн = xx °C/м";

struct RowSelection {
  int row = 0;
  std::string label6;  // the row's elapsed time, "nn:ss"
};

// PaintBox3's mouse move at box x. Over the plot and over a row of the table it selects that row
// (state.CursorRow) and returns it; elsewhere it returns nullopt and changes nothing. An accepted
// move always calls for RefreshReadout, Label6 shown with the text, a repaint and Label29.
std::optional<RowSelection> PaintBox3MouseMove(ChartState& state, const LStorage& samples, int firstVisibleRow,
                                               int x);

struct ReadoutTexts {
  std::string Label3, Label4, Label5;     // Tr, Ti, Te of the newest row
  std::string Label20, Label22, Label24;  // Tr, Ti, Te of the selected row
  std::string Label27, Label28;           // |Tr - Ti| and |Tr - Te| of the selected row
};

// The eight value labels. The newest row shows while reading is on; a selection outside the
// table, like none, shows "x °C".
ReadoutTexts RefreshReadout(const LStorage& samples, int cursorRow, bool readingOn);

// Label29 while a cycle is recorded: the rate of Ti over the stage during which the selected row
// was appended, from the last row of the stage before (row 0 for stage 0) to the stage's last
// row, counting one row as one second. stageRow holds, per stage 0..5, the last row appended in
// it; stages above 5 have no cell and are not searched. A stage that spans no rows, or whose rows
// are not in the table (left from an earlier cycle), has no rate.
std::string HeatingRateText(const LStorage& samples, int cursorRow, bool recording, int currentStage,
                            std::span<const std::int32_t, 6> stageRow);
