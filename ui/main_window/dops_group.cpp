#include "ui/main_window/dops_group.h"

#include <QGridLayout>

#include "protocol/presentation/control_names.h"

namespace navbin::ui {

DopsGroup::DopsGroup() : GroupFrame("Panel_DOPS") {
  QGridLayout* g = grid();
  QWidget* p = this;
  g->addWidget(Caption(NamedLabel("Label_DOPS", "Dilution of Precision:", p)), 0, 0, 1, 4);
  const QString widest = "999.9";
  Panel_PDOP = Cell(names::Panel_PDOP, kBlanked, widest, p);
  Panel_HDOP = Cell(names::Panel_HDOP, kBlanked, widest, p);
  Panel_VDOP = Cell(names::Panel_VDOP, kBlanked, widest, p);
  Panel_TDOP = Cell(names::Panel_TDOP, kBlanked, widest, p);
  g->addWidget(NamedLabel("Label_PDOP", "PDOP", p), 1, 0);
  g->addWidget(Panel_PDOP, 1, 1);
  g->addWidget(NamedLabel("Label_HDOP", "HDOP", p), 1, 2, Qt::AlignRight);
  g->addWidget(Panel_HDOP, 1, 3);
  g->addWidget(NamedLabel("Label_VDOP", "VDOP", p), 2, 0);
  g->addWidget(Panel_VDOP, 2, 1);
  g->addWidget(NamedLabel("Label_TDOP", "TDOP", p), 2, 2, Qt::AlignRight);
  g->addWidget(Panel_TDOP, 2, 3);
  g->setRowStretch(3, 1);
  g->setColumnStretch(4, 1);
}

}  // namespace navbin::ui
