#include "ui/main_window/status_row.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "protocol/presentation/control_names.h"
#include "protocol/presentation/log_control_names.h"
#include "protocol/presentation/port_control_names.h"
#include "ui/main_window/group_frame.h"

namespace navbin::ui {

namespace {
ui::Panel* StatusPanel(const ObjectName& name, const QString& text, QWidget* parent) {
  auto* panel = new ui::Panel(name, parent, kKept);
  panel->setText(text);
  panel->setFill(reports::Colour::ButtonFace);
  return panel;
}

// A panel as wide as `widest` and a margin.
void FixWidth(ui::Panel* panel, const QString& widest) {
  panel->setFixedWidth(panel->fontMetrics().horizontalAdvance(widest) + 16);
}
}  // namespace

StatusRow::StatusRow() {
  setObjectName("StatusRow");
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(3);
  Bevel1 = new QFrame(this);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  column->addWidget(Bevel1);

  auto* row = new QHBoxLayout;
  row->setSpacing(3);
  column->addLayout(row);

  buildActivityLamps();
  row->addWidget(Panel_TxRx);

  Panel_Hint = StatusPanel(names::Panel_Hint, "", this);
  Panel_Hint->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Panel_Hint->setIndent(4);
  Panel_Hint->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  SetHint(Panel_Hint, "Hint Box");
  row->addWidget(Panel_Hint, 1);

  Panel_Record = StatusPanel(names::Panel_Record, "Off", this);
  FixWidth(Panel_Record, "NavBin/Data");
  SetHint(Panel_Record, "Logging Status;  Either Off, Data, NavBin, or NavBin/Data.");
  row->addWidget(Panel_Record);

  Panel_Version = StatusPanel(names::Panel_Version, "?", this);
  FixWidth(Panel_Version, "255.255");
  SetHint(Panel_Version, "Firmware Version");
  row->addWidget(Panel_Version);

  Panel_Serial = StatusPanel(names::Panel_Serial, "", this);
  FixWidth(Panel_Serial, "COM16: device lost  ");
  SetHint(Panel_Serial, "Serial Port Configuration");
  row->addWidget(Panel_Serial);
}

// Tx and Rx, each with its lamp, in one panel.
void StatusRow::buildActivityLamps() {
  Panel_TxRx = StatusPanel("Panel_TxRx", "", this);
  SetHint(Panel_TxRx, "Serial Activity");
  auto* lamps = new QHBoxLayout(Panel_TxRx);
  lamps->setContentsMargins(6, 2, 6, 2);
  lamps->setSpacing(4);
  Label_Tx = NamedLabel("Label_Tx", "Tx", Panel_TxRx);
  Shape_TxLED = new ui::Shape(names::Shape_TxLED, Panel_TxRx, ui::Shape::Kind::Circle, kKept, 12);
  Label_Rx = NamedLabel("Label_Rx", "Rx", Panel_TxRx);
  Shape_RxLED = new ui::Shape(names::Shape_RxLED, Panel_TxRx, ui::Shape::Kind::Circle, kKept, 12);
  lamps->addWidget(Label_Tx);
  lamps->addWidget(Shape_TxLED);
  lamps->addSpacing(4);
  lamps->addWidget(Label_Rx);
  lamps->addWidget(Shape_RxLED);
  Panel_TxRx->setFixedSize(lamps->sizeHint());  // a label does not size itself by its layout
}

}  // namespace navbin::ui
