// The cycle recorder: when cycles start and end, what lands in the report file and the table,
// and that a cycle ended by the user never receives a line after its description.
#include "cycle/cycle_recorder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "cycle/report_format.h"
#include "cycle/time_text.h"
#include "device/packets.h"

namespace fs = std::filesystem;

namespace {

class FakeView : public RecorderView {
 public:
  void ShowRecording(bool r) override { panel1 = r ? "OK" : "нет"; }
  void ShowLidOpen(bool open) override { panel2 = open ? "Открыт" : "Закрыт"; }
  void ShowGlyph(int g) override { glyphs.push_back(g); }
  void CycleStarted() override {
    ++started;
    editable = true;
  }
  std::string Description() override { return description; }
  bool AskKeepReport(const std::string& path) override {
    asked.push_back(path);
    return keep;
  }
  void ReportClosed() override { editable = false; }

  std::string panel1 = "нет", panel2, description;  // panel 1 starts with its design text
  std::vector<int> glyphs;
  std::vector<std::string> asked;
  int started = 0;
  bool editable = false;
  bool keep = true;
};

// 2024-03-15 14:05:09 local, as days since 1899-12-30.
constexpr double Start = 45366.0 + (14 * 3600 + 5 * 60 + 9) / SecondsPerDay;

class RecorderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("recorder_" + std::to_string(::getpid()) + "_" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    samples.SetColumns(SampleColumnTypes, 4);
    recorder.SetReportDir((dir / "Report").string() + "/");
  }
  void TearDown() override { fs::remove_all(dir); }

  // One status packet through the order the reader uses: status, then the per-sample step and
  // the append.
  void Packet(std::uint8_t flags, std::uint16_t tr, std::uint16_t ti, std::uint16_t te, std::uint8_t stage = 1) {
    recorder.OnStatus((flags & OpenBit) != 0, CycleRunning(flags), stage);
    if (auto s = recorder.LogSample(tr, ti, te)) recorder.AppendSample(*s);
  }
  std::string ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }

  fs::path dir;
  double now = Start;
  LStorage samples;
  FakeView view;
  CycleRecorder recorder{samples, view, [this] { return now; }};
};

TEST_F(RecorderTest, StartAndEndFlags) {
  struct Case {
    std::uint8_t flags;
    bool recordingAfter;
  };
  // From idle: 0x04, 0x05, 0x24 start a cycle; 0x44 does not. While recording: 0x04 keeps it,
  // 0x00, 0x40, 0x44 end it.
  const std::vector<std::vector<Case>> sequences = {
      {{0x44, false}, {0x04, true}, {0x04, true}, {0x00, false}},
      {{0x05, true}, {0x40, false}},
      {{0x24, true}, {0x44, false}, {0x40, false}},
  };
  for (const auto& seq : sequences) {
    for (const Case& c : seq) {
      Packet(c.flags, 25, 26, 24);
      EXPECT_EQ(recorder.Recording(), c.recordingAfter) << "flags " << int(c.flags);
      EXPECT_EQ(view.panel1, c.recordingAfter ? "OK" : "нет");
    }
  }
}

TEST_F(RecorderTest, CycleFileByteForByte) {
  view.description = "Плата 1";
  Packet(0x04, 25, 26, 24);  // starts the cycle and is its first sample, at 00:00
  now += 1.0 * OneSecond;
  Packet(0x04, 183, 176, 150);
  now += 59.0 * 60 * OneSecond;
  Packet(0x24, 65535, 0, 7);
  now += OneSecond;
  Packet(0x00, 1, 2, 3);  // ends the cycle and is not recorded

  const fs::path file = dir / "Report" / "2024.03.15 14.05.09.xls";
  ASSERT_EQ(view.asked, std::vector<std::string>{file.string()});
  EXPECT_EQ(recorder.CycleStamp(), "2024.03.15 14:05:09");
  EXPECT_EQ(ReadFile(file), std::string(ReportHeader) +
                                "00:00\t25\t26\t24\r\n"
                                "00:01\t183\t176\t150\r\n"
                                "59:01\t65535\t0\t7\r\n" +
                                DescriptionLine("Плата 1"));
  ASSERT_EQ(samples.RowCount, 3);
  EXPECT_EQ(samples.Row(2)[ColTr], 65535);
  EXPECT_NEAR(samples.GetDateTime(ColTime, 1) * SecondsPerDay, 1.0, 1e-6);
  EXPECT_FALSE(view.editable);
}

TEST_F(RecorderTest, AnswerNoDeletesTheFileAndANewCycleClearsTheTable) {
  view.keep = false;
  Packet(0x04, 25, 26, 24);
  Packet(0x04, 30, 31, 32);
  Packet(0x00, 0, 0, 0);
  EXPECT_EQ(samples.RowCount, 2);
  EXPECT_FALSE(fs::exists(view.asked.at(0)));
  EXPECT_EQ(view.panel1, "нет");

  now += 10 * OneSecond;
  Packet(0x04, 40, 41, 42);
  EXPECT_EQ(view.started, 2);
  EXPECT_EQ(samples.RowCount, 1);
  EXPECT_EQ(samples.Row(0)[ColTr], 40);
}

TEST_F(RecorderTest, StatusPanelsAndGlyphFollowEveryPacket) {
  Packet(0x20, 0, 0, 0);
  EXPECT_EQ(view.panel2, "Открыт");
  Packet(0x44, 0, 0, 0);
  EXPECT_EQ(view.panel2, "Закрыт");
  Packet(0x24, 0, 0, 0);
  EXPECT_EQ(view.panel2, "Открыт");
  EXPECT_EQ(view.glyphs, (std::vector<int>{1, 0, 1}));
}

TEST_F(RecorderTest, UnwritableReportFolderStillRecordsTheTableWithoutAQuestion) {
  recorder.SetReportDir((dir / "missing" / "deeper").string() + "/");
  Packet(0x04, 25, 26, 24);
  Packet(0x04, 26, 27, 25);
  Packet(0x00, 0, 0, 0);
  EXPECT_EQ(samples.RowCount, 2);
  EXPECT_TRUE(view.asked.empty());
  EXPECT_TRUE(view.editable);  // stays editable: no file was closed
}

TEST_F(RecorderTest, StageRowNotesTheLatestRowOfEachStageAndIgnoresUnknownStages) {
  Packet(0x04, 25, 25, 25, 0);
  Packet(0x04, 26, 26, 26, 0);
  Packet(0x04, 27, 27, 27, 2);
  Packet(0x04, 28, 28, 28, 9);  // no such stage: recorded, but noted for none
  EXPECT_EQ(recorder.StageRow()[0], 1);
  EXPECT_EQ(recorder.StageRow()[2], 2);
  EXPECT_EQ(recorder.CurrentStage(), 9);
  EXPECT_EQ(samples.RowCount, 4);
}

TEST_F(RecorderTest, UserEndingACycleWhileSamplesArriveLeavesTheDescriptionLast) {
  view.description = "END";
  for (int round = 0; round < 20; ++round) {
    Packet(0x04, 25, 26, 24);
    ASSERT_TRUE(recorder.Recording());
    std::atomic<bool> stop{false};
    std::thread reader([&] {
      while (!stop) recorder.LogSample(100, 101, 102);  // the reader thread's per-sample step
    });
    std::this_thread::yield();
    recorder.ToggleRecording();  // the user switches reading off mid-cycle
    stop = true;
    reader.join();
    const std::string text = ReadFile(view.asked.back());
    ASSERT_GE(text.size(), 5u);
    EXPECT_EQ(text.substr(text.size() - 5), "END\r\n") << "round " << round;
    now += OneSecond;
  }
}

}  // namespace
