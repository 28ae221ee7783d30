// The window on a real pseudo-terminal: port choice, switching reading on and off, whole cycles
// recorded to the report file and the sample table, closing during a recording.
#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <thread>

#include "cycle/report_format.h"
#include "platform/qt/qt_serial_port.h"
#include "ui/paint_box.h"
#include "window_fixture.h"

namespace {

class SerialWindowTest : public WindowTest {
 protected:
  void StartReading(const std::string& moreSettings = {}) {
    LinkPort(201, pty.SlavePath());
    WriteIni("[Настройки]\r\nПорт_подключения=com201\r\n" + moreSettings);
    Create();
    frm->N3Click();
    ASSERT_TRUE(frm->N3->isChecked());
    WaitUntilPortRead();
  }
  // The reader opens the port on its own thread, and opening flushes what waited before: send
  // idle frames with the lid open until one shows, then one with the lid closed, so that every
  // frame sent before has been handled once it shows too.
  void WaitUntilPortRead() {
    ASSERT_TRUE(WaitFor([&] {
      pty.Write(StatusFrame(0x20, 0, 0, 0, 0));
      return QTest::qWaitFor([&] { return Panel(2) == QStringLiteral("Открыт"); }, 50);
    }));
    pty.Write(StatusFrame(0x00, 0, 0, 0, 0));
    ASSERT_TRUE(WaitFor([&] { return Panel(2) == QStringLiteral("Закрыт"); }));
  }
  // Sends one status frame and waits until the window has handled it: the lamp flips, and a
  // recorded sample has reached the table.
  void Status(std::uint8_t flags, std::uint16_t tr, std::uint16_t ti, std::uint16_t te, std::uint8_t stage = 1) {
    const int glyph = frm->Recorder.GlyphIndex();
    const int rows = frm->Recorder.Recording() ? frm->Samples.RowCount : 0;
    pty.Write(StatusFrame(flags, tr, ti, te, stage));
    ASSERT_TRUE(WaitFor([&] { return frm->Recorder.GlyphIndex() != glyph; }));
    if (frm->Recorder.Recording()) {
      ASSERT_TRUE(WaitFor([&] { return frm->Samples.RowCount == rows + 1; }));
    }
  }
  PseudoTerminal pty;
};

TEST_F(SerialWindowTest, RecordsACycleFromTheWireToTheReportFile) {
  LinkPort(201, pty.SlavePath());
  WriteIni("[Настройки]\r\nПорт_подключения=com201\r\n");
  Create();
  EXPECT_EQ(Panel(2), QString());  // empty until the first status packet
  frm->N3Click();
  WaitUntilPortRead();
  EXPECT_EQ(Panel(0), QStringLiteral("COM201"));
  EXPECT_TRUE(frm->SpeedButton1->isChecked());
  EXPECT_FALSE(frm->N5->isEnabled());

  Status(0x20, 24, 24, 23, 0);  // idle, lid open
  EXPECT_EQ(Panel(1), QStringLiteral("нет"));
  EXPECT_EQ(Panel(2), QStringLiteral("Открыт"));

  Status(0x04, 25, 26, 24);  // the cycle starts; this packet is its first sample
  EXPECT_EQ(Panel(1), QStringLiteral("OK"));
  EXPECT_EQ(Panel(2), QStringLiteral("Закрыт"));
  EXPECT_FALSE(frm->Edit1->isReadOnly());
  frm->Edit1->setText(QStringLiteral("Плата 1"));

  // A damaged frame and noise between frames change nothing.
  auto bad = StatusFrame(0x00, 1, 1, 1);
  bad.back() ^= 0x01;
  pty.Write(bad);
  pty.Write({0x00, 0x13, 0x37});
  now = TestStart + OneSecond;
  Status(0x04, 183, 176, 150, 2);
  EXPECT_EQ(frm->Samples.RowCount, 2);
  EXPECT_EQ(frm->Label[3]->text(), QStringLiteral("183 °C"));
  EXPECT_EQ(frm->Label[5]->text(), QStringLiteral("150 °C"));

  now = TestStart + 2 * OneSecond;
  Status(0x00, 100, 100, 100);  // ends the cycle and is not recorded
  ASSERT_EQ(boxes.Questions(), 1);
  EXPECT_EQ(boxes.shown.back().caption, QStringLiteral("Сохранение отчета"));
  EXPECT_EQ(boxes.shown.back().text,
            QStringLiteral("Сохранить всю информацию о рабочем цикле в файл:\n%1 ?").arg(ReportPath()));
  EXPECT_EQ(ReadFile(ReportPath()), QByteArray::fromStdString(std::string(ReportHeader) +
                                                              "00:00\t25\t26\t24\r\n"
                                                              "00:01\t183\t176\t150\r\n" +
                                                              DescriptionLine("Плата 1")));
  EXPECT_TRUE(frm->Edit1->isReadOnly());
  EXPECT_EQ(Panel(1), QStringLiteral("нет"));
  EXPECT_EQ(frm->Samples.RowCount, 2);
  EXPECT_EQ(frm->Recorder.StageRow()[2], 1);

  frm->N3Click();  // reading off: the reader ends and closes the port
  EXPECT_TRUE(WaitFor([&] { return frm->Link.ReaderStopped.load() && !frm->Reader; }));
  EXPECT_EQ(frm->N3->text(), QStringLiteral("Включить"));
  EXPECT_TRUE(frm->N5->isEnabled());
  EXPECT_FALSE(frm->SpeedButton1->isChecked());
  EXPECT_TRUE(ProbeSerialPort(pty.SlavePath()));
}

TEST_F(SerialWindowTest, ChartFollowsTheNewestRowAndReadsOutUnderTheMouse) {
  StartReading("Сложность_интерфейса=OTK\r\n");
  EXPECT_EQ(frm->PaintBox3->size(), QSize(752, 403));  // the design size of the chart

  const auto profile = ProfilePayload(StandardProfile());
  pty.Write(EncodeFrame(1, 30, profile));
  ASSERT_TRUE(WaitFor([&] { return frm->Label[8]->text() == QStringLiteral("Тип термопрофиля: Стандартный"); }));
  EXPECT_EQ(frm->GroupBox1->title(), QStringLiteral(" Параметры ТП: Стандарт. "));

  // 690 samples, three more than the chart shows at one pixel per sample: the view follows the
  // newest rows.
  std::vector<std::uint8_t> burst;
  for (int i = 0; i < 690; ++i) {
    const auto f = StatusFrame(0x04, 100 + i % 50, 90 + i % 50, 80, i < 345 ? 1 : 2);
    burst.insert(burst.end(), f.begin(), f.end());
  }
  pty.Write(burst);
  ASSERT_TRUE(WaitFor([&] { return frm->Samples.RowCount == 690; }, 20000));
  EXPECT_TRUE(frm->ScrollBar1->isVisible());
  EXPECT_EQ(frm->ScrollBar1->maximum(), 3);
  EXPECT_EQ(frm->ScrollBar1->value(), 3);

  // The mouse over the 11th visible column selects row 3 + 10.
  QTest::mouseMove(frm->PaintBox3, QPoint(ChartState::PlotLeft + 1 + 10, 100));
  ASSERT_TRUE(WaitFor([&] { return frm->Chart.CursorRow == 13; }));
  EXPECT_EQ(frm->Label[20]->text(), QStringLiteral("113 °C"));
  EXPECT_EQ(frm->Label[22]->text(), QStringLiteral("103 °C"));
  EXPECT_EQ(frm->Label[27]->text(), QStringLiteral("10 °C"));
  EXPECT_EQ(frm->Label[6]->text(), QStringLiteral("00:00"));
  EXPECT_TRUE(frm->Label[6]->isVisible());
  EXPECT_TRUE(frm->Label[29]->text().startsWith(QStringLiteral("Vн = ")));
  EXPECT_TRUE(frm->Label[29]->isVisible());
}

TEST_F(SerialWindowTest, AnsweringNoDeletesTheReport) {
  StartReading();
  boxes.answers = {false};
  Status(0x04, 25, 26, 24);
  Status(0x44, 25, 26, 24);
  ASSERT_EQ(boxes.Questions(), 1);
  EXPECT_FALSE(QFile::exists(ReportPath()));
  EXPECT_EQ(frm->Samples.RowCount, 1);
}

TEST_F(SerialWindowTest, SwitchingOffMidCycleWritesTheDescriptionAndAsksAtOnce) {
  StartReading();
  Status(0x04, 25, 26, 24);
  frm->Edit1->setText(QStringLiteral("stopped"));
  frm->N3Click();
  EXPECT_EQ(boxes.Questions(), 1);
  EXPECT_FALSE(frm->Recorder.Recording());
  EXPECT_TRUE(ReadFile(ReportPath()).endsWith("00:00\t25\t26\t24\r\nstopped\r\n"));
}

TEST_F(SerialWindowTest, ClosingWhileFramesPourInEndsTheReportAndDoesNotHang) {
  StartReading();
  Status(0x04, 25, 26, 24);
  frm->Edit1->setText(QStringLiteral("closed"));
  std::atomic<bool> stop{false};
  std::thread feeder([&] {
    for (int i = 0; !stop && i < 100000; ++i) pty.TryWrite(StatusFrame(0x04, 30, 31, 32));
  });
  QTest::qWait(50);  // let samples arrive while the window closes
  frm->close();
  stop = true;
  feeder.join();
  EXPECT_EQ(boxes.Questions(), 1);
  EXPECT_TRUE(frm->Link.ReaderStopped.load());  // ended before close returned
  EXPECT_TRUE(ReadFile(ReportPath()).endsWith("closed\r\n"));
}

TEST_F(SerialWindowTest, PortChoiceAndSettings) {
  PseudoTerminal other;
  LinkPort(150, pty.SlavePath());
  LinkPort(120, other.SlavePath());
  // The saved port is missing: the lowest listed port is chosen and written back.
  WriteIni("[Настройки]\r\nПорт_подключения=COM7\r\n");
  Create();
  const QList<QAction*> items = frm->N5->actions();
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(items[0]->text(), QStringLiteral("COM120"));
  EXPECT_EQ(items[1]->text(), QStringLiteral("COM150"));
  EXPECT_TRUE(items[0]->isChecked());
  EXPECT_EQ(frm->PortName, QStringLiteral("COM120"));
  EXPECT_TRUE(ReadFile(paths.IniPath).contains("Порт_подключения=COM120"));

  frm->NCOM1Click(items[1]);
  EXPECT_TRUE(items[1]->isChecked());
  EXPECT_FALSE(items[0]->isChecked());
  EXPECT_EQ(Panel(0), QStringLiteral("COM150"));
  EXPECT_TRUE(ReadFile(paths.IniPath).contains("Порт_подключения=COM150"));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SerialWindowTest, APortHeldByAnotherProgram) {
  LinkPort(201, pty.SlavePath());
  // Held at start: not listed, so no port at all.
  {
    QtSerialPort holder;
    ASSERT_TRUE(holder.Open(pty.SlavePath()));
    Create();
    EXPECT_TRUE(frm->N5->actions().isEmpty());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].icon, MessageBoxes::Icon::Error);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Не обнаружено ни одного COM-порта!"));
    frm.reset();
  }
  // Free at start, held when reading is switched on: reading shows as on and nothing arrives.
  Create();
  ASSERT_EQ(frm->PortName, QStringLiteral("COM201"));
  QtSerialPort holder;
  ASSERT_TRUE(holder.Open(pty.SlavePath()));
  frm->N3Click();
  EXPECT_TRUE(frm->N3->isChecked());
  EXPECT_TRUE(WaitFor([&] { return frm->Link.ReaderStopped.load(); }));
  pty.Write(StatusFrame(0x20, 1, 2, 3));
  QTest::qWait(100);  // nothing may arrive: there is no event to wait for
  EXPECT_EQ(Panel(2), QString());
  frm->N3Click();
  EXPECT_FALSE(frm->N3->isChecked());
}

TEST_F(SerialWindowTest, InterfaceLevel) {
  struct Case {
    const char* value;
    bool shown;
    const char* written;  // the value in the file afterwards
  };
  for (const Case& c : {Case{"OTK", true, "OTK"}, Case{"otk", false, "otk"}, Case{"0", false, ""},
                        Case{"01", false, ""}, Case{"", false, ""}, Case{"Admin", false, "Admin"}}) {
    WriteIni(std::string("[Настройки]\r\nСложность_интерфейса=") + c.value + "\r\n");
    Create();
    for (int i : {25, 26, 27, 28, 29}) EXPECT_EQ(!frm->Label[i]->isHidden(), c.shown) << c.value << " Label" << i;
    EXPECT_TRUE(ReadFile(paths.IniPath).contains(QByteArray("Сложность_интерфейса=") + c.written + "\r\n"))
        << c.value;
    frm.reset();
  }
}

TEST_F(SerialWindowTest, ShowInstanceRestoresAMinimisedWindow) {
  Create();
  frm->showMinimized();
  frm->ShowInstance();
  EXPECT_FALSE(frm->isMinimized());
}

}  // namespace
