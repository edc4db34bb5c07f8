// The status row along the bottom: serial activity lamps, the hint box,
// logging state, firmware version and the display port's line settings.

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include "app/main_form.h"
#include "app/main_form_build.h"

namespace navbin::app {

using build::kKept;
using build::SetHint;

namespace {
ui::Panel* StatusPanel(const QString& name, const QString& text, QWidget* parent) {
  auto* panel = new ui::Panel(name, parent, kKept);
  panel->setText(text);
  panel->setFill(reports::Colour::ButtonFace);
  return panel;
}
}  // namespace

QWidget* TForm_Main::buildStatusRow() {
  auto* area = new QWidget;
  area->setObjectName("StatusRow");
  auto* column = new QVBoxLayout(area);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(3);
  Bevel1 = new QFrame(area);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  column->addWidget(Bevel1);

  auto* row = new QHBoxLayout;
  row->setSpacing(3);
  column->addLayout(row);

  Panel_TxRx = StatusPanel("Panel_TxRx", "", area);
  SetHint(Panel_TxRx, "Serial Activity");
  auto* lamps = new QHBoxLayout(Panel_TxRx);
  lamps->setContentsMargins(6, 2, 6, 2);
  lamps->setSpacing(4);
  Label_Tx = label("Label_Tx", "Tx", Panel_TxRx);
  Shape_TxLED = new ui::Shape("Shape_TxLED", Panel_TxRx, ui::Shape::Kind::Circle, kKept, 12);
  Label_Rx = label("Label_Rx", "Rx", Panel_TxRx);
  Shape_RxLED = new ui::Shape("Shape_RxLED", Panel_TxRx, ui::Shape::Kind::Circle, kKept, 12);
  lamps->addWidget(Label_Tx);
  lamps->addWidget(Shape_TxLED);
  lamps->addSpacing(4);
  lamps->addWidget(Label_Rx);
  lamps->addWidget(Shape_RxLED);
  Panel_TxRx->setFixedSize(lamps->sizeHint());  // a label does not size itself by its layout
  row->addWidget(Panel_TxRx);

  Panel_Hint = StatusPanel("Panel_Hint", "", area);
  Panel_Hint->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Panel_Hint->setIndent(4);
  Panel_Hint->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  SetHint(Panel_Hint, "Hint Box");
  row->addWidget(Panel_Hint, 1);

  Panel_Record = StatusPanel("Panel_Record", "Off", area);
  Panel_Record->setFixedWidth(Panel_Record->fontMetrics().horizontalAdvance("NavBin/Data") + 16);
  SetHint(Panel_Record, "Logging Status;  Either Off, Data, NavBin, or NavBin/Data.");
  row->addWidget(Panel_Record);

  Panel_Version = StatusPanel("Panel_Version", "?", area);
  Panel_Version->setFixedWidth(Panel_Version->fontMetrics().horizontalAdvance("255.255") + 16);
  SetHint(Panel_Version, "Firmware Version");
  row->addWidget(Panel_Version);

  Panel_Serial = StatusPanel("Panel_Serial", "", area);
  Panel_Serial->setFixedWidth(
      Panel_Serial->fontMetrics().horizontalAdvance("COM16: device lost  ") + 16);
  SetHint(Panel_Serial, "Serial Port Configuration");
  row->addWidget(Panel_Serial);
  Panel_Serial->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Panel_Serial, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenu_MP->popup(Panel_Serial->mapToGlobal(at)); });
  return area;
}

}  // namespace navbin::app
