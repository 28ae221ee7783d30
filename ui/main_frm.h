#pragma once
// TMainFrm: the program's main window. It owns the program-wide state of the monitor (the sample
// table, the cycle recorder, the link to the controller, the chart state) and runs every handler
// on the window thread; the reader thread reaches it only through blocking hand-offs.
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>

#include "cycle/cycle_recorder.h"
#include "cycle/lstorage.h"
#include "device/reader/comtread.h"
#include "device/reader/link_state.h"
#include "platform/hid/hid_backend.h"
#include "ui/app_paths.h"
#include "ui/logic/chart_navigation.h"
#include "ui/logic/chart_state.h"
#include "ui/logic/temperature_chart.h"
#include "ui/qt_scroll_bar.h"

class QAction;
class QActionGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollBar;
class QToolButton;
class MessageBoxes;
class PaintBox;
class QPainter;
class TOpnRep;

// What the window uses of the system; tests put their own in.
struct MainFrmServices {
  MessageBoxes* boxes = nullptr;
  HidBackend* hid = nullptr;
  CycleRecorder::Clock clock;  // local date-time in days
  // Whether a serial device can be opened now; empty: ProbeSerialPort.
  std::function<bool(const std::string& device)> probePort;
};

class TMainFrm : public QMainWindow, public ReaderHost, public RecorderView {
  Q_OBJECT
 public:
  TMainFrm(const AppPaths& paths, MainFrmServices services);
  ~TMainFrm() override;

  // Menu and button handlers.
  void N3Click();
  void NCOM1Click(QAction* item);
  void N4Click();
  void N6Click();
  void ShowInstance();
  // USB controller arrival and removal notices, with the interface path.
  void DeviceChange(HidChange change, const std::string& interfacePath);

  // Program-wide state (read by tests as well).
  LStorage Samples;
  CycleRecorder Recorder;
  LinkState Link;
  QPointer<COMTread> Reader;
  QString PortName;
  std::string DeviceKey;
  const AppPaths Paths;
  ChartState Chart;

  // Controls.
  QWidget* Panel1 = nullptr;
  QWidget* Panel2 = nullptr;
  QToolButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr, *SpeedButton3 = nullptr,
              *SpeedButton4 = nullptr, *SpeedButton5 = nullptr, *SpeedButton6 = nullptr,
              *SpeedButton7 = nullptr;
  QGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr, *GroupBox3 = nullptr;
  std::array<QLabel*, 30> Label{};  // Label[1] .. Label[29]
  QLineEdit* Edit1 = nullptr;
  PaintBox* PaintBox3 = nullptr;
  QScrollBar *ScrollBar1 = nullptr, *ScrollBar2 = nullptr;
  std::array<QLabel*, 4> StatusPanel{};
  QMenu *N1 = nullptr, *N2 = nullptr, *N5 = nullptr;
  QAction *N3 = nullptr, *N4 = nullptr, *N6 = nullptr;
  QActionGroup* PortGroup = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;  // FormClose
  bool event(QEvent* event) override;            // hints into status panel 3

 private:
  // ReaderHost: hand-offs from the reader thread.
  void OnStatus(const FrameBuffer& frame) override;
  void ShowProfile(const FrameBuffer& frame) override;
  bool LogSample(COMTread& reader) override;
  void AppendSample(const COMTread& reader) override;

  // RecorderView.
  void ShowRecording(bool recording) override;
  void ShowLidOpen(bool open) override;
  void ShowGlyph(int glyphIndex) override;
  void CycleStarted() override;
  std::string Description() override;
  bool AskKeepReport(const std::string& reportPath) override;
  void ReportClosed() override;

  // Chart, readout and profile panel.
  void SetUpChart();
  void Panel1Resize();
  void PaintBox3Paint(QPainter& painter);
  void PaintBox3MouseMove(int x);
  void RefreshReadout();
  void SampleAppended();
  void ClearSelection();

  // USB controller.
  void FindHidDevice();
  void TakeController(std::shared_ptr<OpenedHidDevice> device);

  void CreateControls();
  void CreateMenu();
  void CreateStatusBar();
  void ApplyInterfaceLevel();
  void ListComPorts();
  void ChooseSavedPort();
  void OpenComPort();
  void SetReadingChecked(bool checked);
  void StartReader(const std::string& serialDevicePath);
  std::string RecordingReportName() const;

  MainFrmServices services_;
  bool n3Checked_ = false;
  bool closing_ = false;
  std::unique_ptr<QtScrollBar> scrollBar1_, scrollBar2_;
  std::unique_ptr<TemperatureChart> chart_;
  std::unique_ptr<ChartNavigation> navigation_;
  TOpnRep* OpnRep = nullptr;  // the report list, made on first use
};
