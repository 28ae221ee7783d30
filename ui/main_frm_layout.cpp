// The window's controls, captions, hints, positions and anchors.
#include <QAction>
#include <QActionGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/anchors.h"
#include "ui/main_frm.h"
#include "ui/paint_box.h"
#include "ui/pictures.h"

namespace {
const QColor Fuchsia(255, 0, 255);
const QColor Green(0, 128, 0);

// Client area below the menu: Panel2 (115) + Panel1 + StatusBar1 (19) = 573.
constexpr int ClientWidth = 792;
constexpr int Panel2Height = 115;
constexpr int Panel1DesignHeight = 573 - Panel2Height - 19;  // 439

QToolButton* FlatButton(QWidget* parent, const QPixmap& picture, const QString& hint) {
  auto* b = new QToolButton(parent);
  b->setAutoRaise(true);
  b->setFocusPolicy(Qt::NoFocus);
  if (!picture.isNull()) {
    b->setIcon(picture);
    b->setIconSize(picture.size());
  }
  b->setToolTip(hint);
  b->setStatusTip(hint);
  return b;
}

struct LabelSpec {
  int number;
  int box;  // 1, 2, 3: GroupBox1..3
  int x, y;
  const char* text;
  QColor color;
  const char* hint;
};

const LabelSpec GroupLabels[] = {
    {9, 2, 8, 16, "Расчетная температура (Tr) =", Fuchsia, nullptr},
    {3, 2, 214, 16, "x °C", Fuchsia, nullptr},
    {10, 2, 8, 32, "Внутренняя температура (Ti) =", QColor(), nullptr},
    {4, 2, 214, 32, "x °C", QColor(), nullptr},
    {11, 2, 8, 48, "Внешняя температура (Te) =", Green, nullptr},
    {5, 2, 214, 48, "x °C", Green, nullptr},
    {8, 2, 8, 64, "Тип термопрофиля: xxx", QColor(), nullptr},
    {12, 1, 8, 16, "Tн = 150 °C", QColor(), nullptr},
    {13, 1, 8, 32, "Tн = 150 °C", QColor(), nullptr},
    {14, 1, 8, 48, "Tн = 150 °C", QColor(), nullptr},
    {15, 1, 8, 64, "Tн = 150 °C", QColor(), nullptr},
    {16, 1, 104, 16, "Tн = 150 °C", QColor(), nullptr},
    {17, 1, 104, 32, "Tн = 150 °C", QColor(), nullptr},
    {18, 1, 104, 48, "Tн = 150 °C", QColor(), nullptr},
    {19, 3, 8, 16, "Tr =", Fuchsia, nullptr},
    {20, 3, 42, 16, "x °C", Fuchsia, nullptr},
    {21, 3, 8, 32, "Ti =", QColor(), nullptr},
    {22, 3, 42, 32, "x °C", QColor(), nullptr},
    {23, 3, 8, 48, "Te =", Green, nullptr},
    {24, 3, 42, 48, "x °C", Green, nullptr},
    {29, 3, 96, 16, "Vн = xx °C/м", QColor(), nullptr},
    {25, 3, 96, 32, "dTi =", QColor(), "Разность внутренней и расчетной температур"},
    {26, 3, 96, 48, "dTe =", Green, "Разность внешней и расчетной температур"},
    {27, 3, 138, 32, "x °C", QColor(), "Разность внутренней и расчетной температур"},
    {28, 3, 138, 48, "x °C", Green, "Разность внешней и расчетной температур"},
};
}  // namespace

void TMainFrm::CreateControls() {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  Panel2 = new QWidget(central);
  Panel2->setFixedHeight(Panel2Height);
  Panel1 = new QWidget(central);
  Panel1->setMinimumWidth(120);
  column->addWidget(Panel2);
  column->addWidget(Panel1, 1);
  setCentralWidget(central);

  auto* top = new Anchors(Panel2, QSize(ClientWidth, Panel2Height));
  SpeedButton2 = FlatButton(Panel2, pictures::OpenReport(), QStringLiteral("Открыть отчет"));
  top->Add(SpeedButton2, QRect(8, 0, 30, 30), AnchorLeft | AnchorTop);
  SpeedButton3 = FlatButton(Panel2, pictures::Printer(), QStringLiteral("Распечатать отчет"));
  top->Add(SpeedButton3, QRect(40, 0, 30, 30), AnchorLeft | AnchorTop);
  SpeedButton1 = FlatButton(Panel2, pictures::Lamp(0), QStringLiteral("Чтение данных из устройства"));
  SpeedButton1->setCheckable(true);
  top->Add(SpeedButton1, QRect(24, 40, 30, 30), AnchorLeft | AnchorTop);

  GroupBox2 = new QGroupBox(QStringLiteral(" Текущие данные с устройства "), Panel2);
  top->Add(GroupBox2, QRect(104, 0, 269, 85), AnchorLeft | AnchorTop);
  GroupBox1 = new QGroupBox(QStringLiteral(" Параметры ТП: "), Panel2);
  top->Add(GroupBox1, QRect(380, 0, 197, 85), AnchorLeft | AnchorTop);
  GroupBox3 = new QGroupBox(QStringLiteral(" Выбранные данные "), Panel2);
  top->Add(GroupBox3, QRect(584, 0, 193, 85), AnchorLeft | AnchorTop);

  QGroupBox* boxes[] = {nullptr, GroupBox1, GroupBox2, GroupBox3};
  for (const LabelSpec& s : GroupLabels) {
    auto* l = new QLabel(QString::fromUtf8(s.text), boxes[s.box]);
    l->move(s.x, s.y);
    if (s.color.isValid()) {
      QPalette p = l->palette();
      p.setColor(QPalette::WindowText, s.color);
      l->setPalette(p);
    }
    if (s.hint) {
      l->setToolTip(QString::fromUtf8(s.hint));
      l->setStatusTip(QString::fromUtf8(s.hint));
    }
    l->adjustSize();
    Label[s.number] = l;
  }

  Label[7] = new QLabel(QStringLiteral("Описание цикла:"), Panel2);
  Label[7]->adjustSize();
  top->Add(Label[7], QRect(QPoint(8, 94), Label[7]->size()), AnchorLeft | AnchorBottom);
  Edit1 = new QLineEdit(Panel2);
  Edit1->setMaxLength(90);
  Edit1->setReadOnly(true);
  top->Add(Edit1, QRect(124, 91, 661, 22), AnchorLeft | AnchorRight | AnchorBottom);

  auto* chart = new Anchors(Panel1, QSize(ClientWidth, Panel1DesignHeight));
  PaintBox3 = new PaintBox(Panel1);
  chart->Add(PaintBox3, QRect(22, 0, 752, 403), AnchorLeft | AnchorTop | AnchorRight | AnchorBottom);
  Label[1] = new QLabel(QStringLiteral("T,°C"), Panel1);
  Label[1]->adjustSize();
  chart->Add(Label[1], QRect(QPoint(29, 1), Label[1]->size()), AnchorLeft | AnchorTop);
  Label[2] = new QLabel(QStringLiteral("t, м:c"), Panel1);
  Label[2]->adjustSize();
  chart->Add(Label[2], QRect(QPoint(735, 361), Label[2]->size()), AnchorRight | AnchorBottom);
  Label[6] = new QLabel(QStringLiteral("Label6"), Panel1);
  Label[6]->move(224, 8);
  Label[6]->hide();

  SpeedButton4 = FlatButton(Panel1, pictures::TempZoomOut(), QStringLiteral("Уменьшить масштаб температуры"));
  chart->Add(SpeedButton4, QRect(0, 0, 22, 22), AnchorLeft | AnchorTop);
  SpeedButton5 = FlatButton(Panel1, pictures::TempZoomIn(), QStringLiteral("Увеличить масштаб температуры"));
  chart->Add(SpeedButton5, QRect(0, 24, 22, 22), AnchorLeft | AnchorTop);
  SpeedButton6 = FlatButton(Panel1, pictures::TimeZoomOut(), QStringLiteral("Сжать временной диапазон"));
  chart->Add(SpeedButton6, QRect(0, 52, 22, 22), AnchorLeft | AnchorTop);
  SpeedButton7 = FlatButton(Panel1, pictures::TimeZoomIn(), QStringLiteral("Расширить временной диапазон"));
  chart->Add(SpeedButton7, QRect(0, 76, 22, 22), AnchorLeft | AnchorTop);

  ScrollBar1 = new QScrollBar(Qt::Horizontal, Panel1);
  ScrollBar2 = new QScrollBar(Qt::Vertical, Panel1);
  for (QScrollBar* s : {ScrollBar1, ScrollBar2}) {
    s->setRange(0, 0);
    s->setSingleStep(1);
    s->setPageStep(1);  // a click beside the thumb moves one position, like an arrow click
    s->setFocusPolicy(Qt::NoFocus);
  }
  chart->Add(ScrollBar1, QRect(1, 404, 774, 16), AnchorLeft | AnchorRight | AnchorBottom);
  chart->Add(ScrollBar2, QRect(775, 1, 16, 402), AnchorTop | AnchorRight | AnchorBottom);
  ScrollBar2->hide();
}

void TMainFrm::CreateMenu() {
  N1 = menuBar()->addMenu(QStringLiteral("Отчет"));
  N4 = N1->addAction(QStringLiteral("Открыть"));
  N4->setStatusTip(QStringLiteral("Открыть отчет"));
  N6 = N1->addAction(QStringLiteral("Печать"));
  N6->setStatusTip(QStringLiteral("Печать отчета"));
  N2 = menuBar()->addMenu(QStringLiteral("Устройство"));
  N3 = N2->addAction(QStringLiteral("Включить"));
  N3->setStatusTip(QStringLiteral("Включение считывания температуры"));
  N3->setCheckable(true);
  N5 = N2->addMenu(QStringLiteral("Порт"));
  PortGroup = new QActionGroup(this);
  PortGroup->setExclusive(true);
}

void TMainFrm::CreateStatusBar() {
  auto* bar = new QStatusBar(this);
  bar->setSizeGripEnabled(false);
  bar->setFixedHeight(19);
  struct Panel {
    int width;
    Qt::Alignment align;
    const char* text;
  };
  const Panel panels[] = {{60, Qt::AlignCenter, "COM3"},
                          {50, Qt::AlignCenter, "нет"},
                          {60, Qt::AlignCenter, "открыт"},
                          {50, Qt::AlignLeft | Qt::AlignVCenter, ""}};
  for (int i = 0; i < 4; ++i) {
    auto* l = new QLabel(QString::fromUtf8(panels[i].text), bar);
    l->setAlignment(panels[i].align);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (i < 3) l->setFixedWidth(panels[i].width);
    else l->setMinimumWidth(panels[i].width);
    bar->addWidget(l, i == 3 ? 1 : 0);
    StatusPanel[i] = l;
  }
  setStatusBar(bar);
}
