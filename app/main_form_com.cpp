// The port panel of the multi-port layout: display-port selector, the 16
// port lamps, Tx All, the data-log status, and the pop-up menu of
// multi-port commands.

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "app/main_form.h"
#include "app/main_form_build.h"

namespace navbin::app {

using build::Caption;
using build::kKept;
using build::SetHint;

QFrame* TForm_Main::buildCom() {
  QGridLayout* g;
  Panel_Com = group("Panel_Com", g);
  QWidget* p = Panel_Com;
  Label11 = Caption(label("Label11", "COM:", p));
  g->addWidget(Label11, 0, 0, 1, 4);

  Label13 = label("Label13", "Display", p);
  g->addWidget(Label13, 1, 0, 1, 4);
  ComboBox_DisplayCom = new QComboBox(p);
  ComboBox_DisplayCom->setObjectName("ComboBox_DisplayCom");
  for (int com = 1; com <= link::kPortCount; ++com) {
    ComboBox_DisplayCom->addItem(QStringLiteral("COM %1").arg(com));
  }
  ComboBox_DisplayCom->setCurrentIndex(-1);
  g->addWidget(ComboBox_DisplayCom, 2, 0, 1, 4);

  Label29 = label("Label29", "Monitor", p);
  g->addWidget(Label29, 3, 0, 1, 4);
  for (std::size_t i = 0; i < Panel_MonCom.size(); ++i) {
    const int com = int(i) + 1;
    ui::Panel* panel = cell(QStringLiteral("Panel_MonCom%1").arg(com), kKept, "888", p);
    panel->setText(QString::number(com));
    panel->setFill(reports::Colour::ButtonFace);
    SetHint(panel, build::kPortPanelHint);
    connect(panel, &ui::Panel::clicked, this, [this, com] { core_.multiPort.portPanelClick(com); });
    Panel_MonCom[i] = panel;
    g->addWidget(panel, 4 + int(i) / 4, int(i) % 4);
  }

  Button_TxAll = new QPushButton("Tx All", p);
  Button_TxAll->setObjectName("Button_TxAll");
  SetHint(Button_TxAll, "Press to toggle Tx All");
  Shape_TxAll = new ui::Shape("Shape_TxAll", p, ui::Shape::Kind::Circle, kKept);
  g->addWidget(Button_TxAll, 8, 0, 1, 3);
  g->addWidget(Shape_TxAll, 8, 3, Qt::AlignCenter);

  Panel_LogStatus = new ui::Panel("Panel_LogStatus", p, kKept);
  Panel_LogStatus->setText("Logging Off");
  Panel_LogStatus->setFill(reports::Colour::ButtonFace);
  SetHint(Panel_LogStatus, "Data Logging: Active when green; Logged that second when yellow;");
  g->addWidget(Panel_LogStatus, 9, 0, 1, 4);
  g->setRowStretch(10, 1);

  connect(ComboBox_DisplayCom, &QComboBox::activated, this,
          [this](int item) { core_.multiPort.switchDisplayPort(item); });
  connect(Button_TxAll, &QPushButton::clicked, this, &TForm_Main::Button_TxAllClick);
  Panel_Com->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Panel_Com, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenu_COM->popup(Panel_Com->mapToGlobal(at)); });
  return Panel_Com;
}

void TForm_Main::Button_TxAllClick() {
  core_.multiPort.toggleTransmitToAll();
}

}  // namespace navbin::app
