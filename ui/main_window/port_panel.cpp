#include "ui/main_window/port_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

#include "protocol/presentation/log_control_names.h"
#include "protocol/presentation/port_control_names.h"

namespace navbin::ui {

PortPanel::PortPanel() : GroupFrame("Panel_Com") {
  QGridLayout* g = grid();
  QWidget* p = this;
  Label11 = Caption(NamedLabel("Label11", "COM:", p));
  g->addWidget(Label11, 0, 0, 1, 4);

  Label13 = NamedLabel("Label13", "Display", p);
  g->addWidget(Label13, 1, 0, 1, 4);
  ComboBox_DisplayCom = new QComboBox(p);
  ComboBox_DisplayCom->setObjectName(Name(names::ComboBox_DisplayCom));
  for (int com = 1; com <= int(Panel_MonCom.size()); ++com) {
    ComboBox_DisplayCom->addItem(QStringLiteral("COM %1").arg(com));
  }
  ComboBox_DisplayCom->setCurrentIndex(-1);
  g->addWidget(ComboBox_DisplayCom, 2, 0, 1, 4);

  Label29 = NamedLabel("Label29", "Monitor", p);
  g->addWidget(Label29, 3, 0, 1, 4);
  buildPortLamps(4);

  Button_TxAll = new QPushButton("Tx All", p);
  Button_TxAll->setObjectName("Button_TxAll");
  SetHint(Button_TxAll, "Press to toggle Tx All");
  Shape_TxAll = new ui::Shape(names::Shape_TxAll, p, ui::Shape::Kind::Circle, kKept);
  g->addWidget(Button_TxAll, 8, 0, 1, 3);
  g->addWidget(Shape_TxAll, 8, 3, Qt::AlignCenter);

  Panel_LogStatus = new ui::Panel(names::Panel_LogStatus, p, kKept);
  Panel_LogStatus->setText("Logging Off");
  Panel_LogStatus->setFill(reports::Colour::ButtonFace);
  SetHint(Panel_LogStatus, "Data Logging: Active when green; Logged that second when yellow;");
  g->addWidget(Panel_LogStatus, 9, 0, 1, 4);
  g->setRowStretch(10, 1);
}

// Four rows of four lamps, COM1 to COM16.
void PortPanel::buildPortLamps(int firstRow) {
  for (std::size_t i = 0; i < Panel_MonCom.size(); ++i) {
    const int com = int(i) + 1;
    ui::Panel* panel = Cell(rows::Panel_MonCom[i], kKept, "888", this);
    panel->setText(QString::number(com));
    panel->setFill(reports::Colour::ButtonFace);
    SetHint(panel, kPortPanelHint);
    Panel_MonCom[i] = panel;
    grid()->addWidget(panel, firstRow + int(i) / 4, int(i) % 4);
  }
}

}  // namespace navbin::ui
