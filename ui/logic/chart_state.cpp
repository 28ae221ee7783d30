#include "ui/logic/chart_state.h"

#include <algorithm>

int ChartState::VisibleSamples() const { return std::max(1, (PlotRight - PlotLeft - 1) / TimeZoom); }
