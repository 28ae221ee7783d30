// The chart, its navigation, the readout under the mouse and the thermal-profile panel.
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>

#include "platform/qt/painter_canvas.h"
#include "ui/logic/cursor_readout.h"
#include "ui/logic/profile_panel.h"
#include "ui/main_frm.h"
#include "ui/paint_box.h"

void TMainFrm::SetUpChart() {
  scrollBar1_ = std::make_unique<QtScrollBar>(ScrollBar1);
  scrollBar2_ = std::make_unique<QtScrollBar>(ScrollBar2);
  chart_ = std::make_unique<TemperatureChart>(Chart, Samples, *scrollBar1_);
  navigation_ = std::make_unique<ChartNavigation>(Chart, *chart_, *scrollBar1_, *scrollBar2_,
                                                  [this] { PaintBox3->update(); });

  connect(SpeedButton4, &QToolButton::clicked, this, [this] { navigation_->SpeedButton4Click(2); });
  connect(SpeedButton5, &QToolButton::clicked, this, [this] { navigation_->SpeedButton4Click(1); });
  connect(SpeedButton6, &QToolButton::clicked, this, [this] { navigation_->SpeedButton6Click(1); });
  connect(SpeedButton7, &QToolButton::clicked, this, [this] { navigation_->SpeedButton6Click(2); });
  connect(ScrollBar1, &QScrollBar::valueChanged, this, [this] { navigation_->ScrollBar1Change(); });
  connect(ScrollBar2, &QScrollBar::valueChanged, this, [this] { navigation_->ScrollBar2Change(); });

  PaintBox3->onResize = [this] { Panel1Resize(); };
  PaintBox3->onPaint = [this](QPainter& p) { PaintBox3Paint(p); };
  PaintBox3->onMouseMove = [this](int x, int) { PaintBox3MouseMove(x); };
}

void TMainFrm::Panel1Resize() {
  Chart.BoxWidth = PaintBox3->width();
  Chart.BoxHeight = PaintBox3->height();
  chart_->Panel1Resize();
}

void TMainFrm::PaintBox3Paint(QPainter& painter) {
  const QColor text = PaintBox3->palette().color(QPalette::WindowText);
  PainterCanvas canvas(painter, Color{static_cast<std::uint8_t>(text.red()), static_cast<std::uint8_t>(text.green()),
                                     static_cast<std::uint8_t>(text.blue())});
  const std::optional<int> label6Left = chart_->PaintBox3Paint(canvas);
  if (label6Left) Label[6]->move(*label6Left, Label[6]->y());
  else Label[6]->hide();
}

void TMainFrm::PaintBox3MouseMove(int x) {
  const std::optional<RowSelection> selected = ::PaintBox3MouseMove(Chart, Samples, ScrollBar1->value(), x);
  if (!selected) return;
  RefreshReadout();
  Label[6]->setText(QString::fromStdString(selected->label6));
  Label[6]->adjustSize();
  Label[6]->show();
  PaintBox3->update();
  Label[29]->setText(QString::fromStdString(HeatingRateText(Samples, Chart.CursorRow, Recorder.Recording(),
                                                            Recorder.CurrentStage(), Recorder.StageRow())));
  Label[29]->adjustSize();
}

void TMainFrm::RefreshReadout() {
  const ReadoutTexts t = ::RefreshReadout(Samples, Chart.CursorRow, SpeedButton1->isChecked());
  const std::pair<int, const std::string*> labels[] = {{3, &t.Label3},   {4, &t.Label4},   {5, &t.Label5},
                                                       {20, &t.Label20}, {22, &t.Label22}, {24, &t.Label24},
                                                       {27, &t.Label27}, {28, &t.Label28}};
  for (const auto& [number, text] : labels) {
    Label[number]->setText(QString::fromStdString(*text));
    Label[number]->adjustSize();
  }
}

void TMainFrm::SampleAppended() {
  // The chart follows the newest row.
  Panel1Resize();
  ScrollBar1->setValue(ScrollBar1->maximum());
  PaintBox3->update();
  RefreshReadout();
}

void TMainFrm::ClearSelection() { Chart.CursorRow = -1; }

void TMainFrm::ShowProfile(const FrameBuffer& frame) {
  if (closing_) return;
  const ProfilePanel panel = ::ShowProfile(frame);
  Label[8]->setText(QString::fromStdString(panel.Label8));
  Label[8]->adjustSize();
  if (panel.GroupBox1Caption) GroupBox1->setTitle(QString::fromStdString(*panel.GroupBox1Caption));
  if (!panel.Parameters) return;
  for (int i = 0; i < 7; ++i) {
    QLabel* label = Label[12 + i];
    const ParameterLabel& p = (*panel.Parameters)[i];
    label->setText(QString::fromStdString(p.text));
    label->setToolTip(QString::fromStdString(p.hint));
    label->setStatusTip(QString::fromStdString(p.hint));
    label->adjustSize();
  }
}
