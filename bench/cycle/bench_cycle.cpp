// Throughput of the sample table and of report-line formatting.
#include <benchmark/benchmark.h>

#include "cycle/lstorage.h"
#include "cycle/report_format.h"
#include "cycle/time_text.h"

namespace {

void AppendRows(LStorage& table, std::int32_t rows) {
  for (std::int32_t row = 0; row < rows; ++row) {
    table.SetDateTime(ColTime, row, row * OneSecond);
    std::int32_t* cells = table.Row(row);
    cells[ColTr] = 200 + row % 50;
    cells[ColTi] = 190 + row % 40;
    cells[ColTe] = 180 + row % 30;
  }
}

// A cycle after the first: Clear, then rows appended into memory the table already has.
void BM_LStorageAppend(benchmark::State& state) {
  const auto rows = static_cast<std::int32_t>(state.range(0));
  LStorage table;
  table.SetColumns(SampleColumnTypes, 4);
  for (auto _ : state) {
    table.Clear();
    AppendRows(table, rows);
    benchmark::DoNotOptimize(table.Row(rows - 1));
  }
  state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_LStorageAppend)->RangeMultiplier(10)->Range(1000, 1000000);

// The first cycle: every 1024-byte growth step of both blocks included.
void BM_LStorageAppendFresh(benchmark::State& state) {
  const auto rows = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    LStorage table;
    table.SetColumns(SampleColumnTypes, 4);
    AppendRows(table, rows);
    benchmark::DoNotOptimize(table.Row(rows - 1));
  }
  state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_LStorageAppendFresh)->RangeMultiplier(10)->Range(1000, 1000000);

void BM_SampleLine(benchmark::State& state) {
  std::int32_t k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SampleLine(k * 0.1 * OneSecond, 183 + k % 7, 176, 65535 - k % 1000));
    ++k;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SampleLine);

}  // namespace
