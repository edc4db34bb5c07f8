// The main window's parts laid out in their columns, and what their controls
// do: the port panel and the status row work the core, captions and panels
// that act like menu entries trigger them.

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <initializer_list>

#include "app/main_form.h"

namespace navbin::app {

namespace {
// Stacks groups in a column; the last one takes the spare height so the
// columns end level.
QVBoxLayout* Column(std::initializer_list<QWidget*> groups) {
  auto* column = new QVBoxLayout;
  column->setSpacing(4);
  int i = 0;
  for (QWidget* g : groups) column->addWidget(g, ++i == int(groups.size()) ? 1 : 0);
  return column;
}
}  // namespace

QWidget* TForm_Main::buildGroups() {
  auto* groups = new QWidget;
  groups->setObjectName("MainGroups");
  auto* row = new QHBoxLayout(groups);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(4);
  row->addLayout(Column({timing = new ui::TimingGroup, velocity = new ui::VelocityGroup,
                         deltaPos = new ui::DeltaPosGroup}));
  row->addLayout(Column({position = new ui::PositionGroup, status = new ui::StatusGroup}));
  row->addLayout(Column({satellites = new ui::SatellitesGroup, dops = new ui::DopsGroup}));
  row->addWidget(portPanel = new ui::PortPanel);
  return groups;
}

void TForm_Main::connectParts() {
  for (std::size_t i = 0; i < portPanel->Panel_MonCom.size(); ++i) {
    const int com = int(i) + 1;
    connect(portPanel->Panel_MonCom[i], &ui::Panel::clicked, this,
            [this, com] { core_.multiPort.portPanelClick(com); });
  }
  connect(portPanel->ComboBox_DisplayCom, &QComboBox::activated, this,
          [this](int item) { core_.multiPort.switchDisplayPort(item); });
  connect(portPanel->Button_TxAll, &QPushButton::clicked, this, &TForm_Main::Button_TxAllClick);
  portPanel->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(portPanel, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { menus->PopupMenu_COM->popup(portPanel->mapToGlobal(at)); });
  ui::Panel* serial = statusRow->Panel_Serial;
  serial->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(serial, &QWidget::customContextMenuRequested, this, [this, serial](const QPoint& at) {
    menus->PopupMenu_MP->popup(serial->mapToGlobal(at));
  });
  connect(deltaPos->Button_ResetLLA, &QPushButton::clicked, this,
          &TForm_Main::Button_ResetLLAClick);
  connectClicks();
}

void TForm_Main::connectClicks() {
  for (QWidget* caption :
       {static_cast<QWidget*>(timing->Label10), static_cast<QWidget*>(velocity->Label_PanelVel),
        static_cast<QWidget*>(position->Label_PanelPos)}) {
    makeClickable(caption, menus->ConfigureIO);
  }
  for (QWidget* caption : {status->Label26, status->Label9, status->Label14, satellites->Label27}) {
    makeClickable(caption, menus->ConfigureGPS);
  }
  for (ui::Panel* panel :
       {status->Panel_RecMode, status->Panel_DGPS, status->Panel_SuperReceiverMode}) {
    connect(panel, &ui::Panel::clicked, menus->ConfigureGPS, &QAction::trigger);
  }
  connect(portPanel->Panel_LogStatus, &ui::Panel::clicked, menus->LoggingData, &QAction::trigger);
  connect(statusRow->Panel_Record, &ui::Panel::clicked, menus->LoggingData, &QAction::trigger);
  connect(statusRow->Panel_Version, &ui::Panel::clicked, menus->WindowProduct, &QAction::trigger);
  connect(statusRow->Panel_Serial, &ui::Panel::clicked, menus->ConfigureSerial, &QAction::trigger);
}

void TForm_Main::makeClickable(QWidget* widget, QAction* action) {
  widget->installEventFilter(this);
  clickActions_.insert(widget, action);
}

void TForm_Main::Button_TxAllClick() {
  core_.multiPort.toggleTransmitToAll();
}

}  // namespace navbin::app
