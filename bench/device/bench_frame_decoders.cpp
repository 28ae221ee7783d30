// Decoding throughput of both frame decoders on a simulated stream with damage mixed in: three
// reflow cycles of the rotating profiles, with bad checksums, truncated frames, noise and
// escaped 0xFF bytes. For scale: the serial link at 9600 baud 8N2 carries about 873 bytes/s.
#include <benchmark/benchmark.h>

#include "tools/sim_stream.h"

namespace {

std::vector<SimChunk> DamagedStream() {
  SimConfig config;
  config.profiles = {StandardProfile(), AcceleratedProfile(), DryingProfile()};
  config.cycles = 3;
  config.idleSeconds = 60;
  config.damage = true;
  config.seed = 11;
  SimStream sim(config);
  std::vector<SimChunk> all;
  for (std::vector<SimChunk> second = sim.NextSecond(); !second.empty(); second = sim.NextSecond())
    all.insert(all.end(), second.begin(), second.end());
  return all;
}

// Counts the hand-offs so that the decoding cannot be optimised away.
struct CountingHandoff : PacketHandoff {
  std::int64_t count = 0;
  void SyncStatus() override { ++count; }
  void LogSample() override { ++count; }
  void SyncProfile() override { ++count; }
};

void BM_ParseByte(benchmark::State& state) {
  const Bytes stream = SerialBytes(DamagedStream());
  CountingHandoff handoff;
  FrameDecoder decoder(handoff);
  for (auto _ : state) {
    for (std::uint8_t b : stream) decoder.ParseByte(b);
    benchmark::DoNotOptimize(handoff.count);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(stream.size()));
}
BENCHMARK(BM_ParseByte);

void BM_ScanReport64(benchmark::State& state) {
  constexpr std::size_t ReportLength = 64;
  const std::vector<Bytes> reports = HidReports(DamagedStream(), ReportLength, 2);
  CountingHandoff handoff;
  FrameDecoder decoder(handoff);
  for (auto _ : state) {
    for (const Bytes& r : reports) decoder.ScanReport(r.data(), r.size());
    benchmark::DoNotOptimize(handoff.count);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(reports.size() * ReportLength));
}
BENCHMARK(BM_ScanReport64);

}  // namespace

BENCHMARK_MAIN();
