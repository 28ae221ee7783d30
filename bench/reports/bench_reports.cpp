// Stored reports at their largest: listing a folder of 10,000 reports, loading a report of
// 100,000 lines, printing a day of samples (86,400 rows) to PDF.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "cycle/lstorage.h"
#include "cycle/report_format.h"
#include "cycle/time_text.h"
#include "reports/dialog/report_printer.h"
#include "reports/report_loader.h"
#include "reports/report_names.h"

namespace {

// A temporary folder for the run, removed at the end.
class BenchDir {
 public:
  BenchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "bench-reports-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    path = pattern;
  }
  ~BenchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::filesystem::path path;
};

void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

std::string ReportOfLines(int sampleLines) {
  std::string bytes(ReportHeader);
  for (int i = 0; i < sampleLines; ++i) bytes += SampleLine(i * OneSecond, 20 + i % 250, 25, 30);
  return bytes + DescriptionLine("Плата 1");
}

void BM_ListReports(benchmark::State& state) {
  BenchDir dir;
  for (int i = 0; i < state.range(0); ++i) {
    char name[40];
    std::snprintf(name, sizeof name, "20%02d.%02d.%02d 12.00.00.xls", 10 + i / 372, 1 + i / 31 % 12,
                  1 + i % 31);
    WriteFile(dir.path / name, ReportOfLines(1));
  }
  for (auto _ : state) benchmark::DoNotOptimize(ListReportNames(dir.path, ""));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ListReports)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_LoadReport(benchmark::State& state) {
  BenchDir dir;
  WriteFile(dir.path / "2024.03.15 14.05.09.xls", ReportOfLines(static_cast<int>(state.range(0))));
  LStorage samples;
  samples.SetColumns(SampleColumnTypes, 4);
  for (auto _ : state) benchmark::DoNotOptimize(LoadReport(dir.path, "2024.03.15 14.05.09", samples));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadReport)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_PrintToPdf(benchmark::State& state) {
  BenchDir dir;
  LStorage samples;
  samples.SetColumns(SampleColumnTypes, 4);
  for (std::int32_t r = 0; r < state.range(0); ++r) {
    samples.SetDateTime(ColTime, r, r * OneSecond);
    samples.Row(r)[ColTr] = 20 + r % 250;
    samples.Row(r)[ColTi] = 25 + r % 200;
    samples.Row(r)[ColTe] = 30 + r % 150;
  }
  const QString pdf = QString::fromStdString((dir.path / "page.pdf").string());
  for (auto _ : state) {
    if (PrintReportToPdf({samples, "2024.03.15 14:05:09", "Плата 1"}, pdf) != PrintOutcome::Printed) {
      state.SkipWithError("printing failed");
    }
  }
  state.counters["pdf_bytes"] = static_cast<double>(std::filesystem::file_size(dir.path / "page.pdf"));
}
BENCHMARK(BM_PrintToPdf)->Arg(86400)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);  // fonts and the PDF printer need a GUI application
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
