#include "ui/main_window/delta_pos_group.h"

#include <QGridLayout>
#include <QPushButton>

#include "protocol/presentation/control_names.h"

namespace navbin::ui {

DeltaPosGroup::DeltaPosGroup() : GroupFrame("Panel_DeltaPos") {
  QGridLayout* g = grid();
  QWidget* p = this;
  g->addWidget(Caption(NamedLabel("Label_DeltaPos", "Change in Position:", p)), 0, 0, 1, 3);

  Panel_DeltaLat = Cell(names::Panel_DeltaLat, kBlanked, "-9999999.99", p);
  Panel_DeltaLon = Cell(names::Panel_DeltaLon, kBlanked, "-9999999.99", p);
  // Blank covers over the deltas while the position is not LLA.
  Panel_Disable = Cell(names::Panel_Disable, kKept, "-9999999.99", p);
  Panel_Disable2 = Cell(names::Panel_Disable2, kKept, "-9999999.99", p);
  Panel_Disable->setFill(reports::Colour::ButtonFace);
  Panel_Disable2->setFill(reports::Colour::ButtonFace);
  Panel_Disable->hide();
  Panel_Disable2->hide();
  SetHint(Panel_DeltaLat, "Delta North");
  SetHint(Panel_DeltaLon, "Delta East");

  g->addWidget(NamedLabel("Label_DeltaNorth", "North", p), 1, 0);
  g->addWidget(Panel_DeltaLat, 1, 1);
  g->addWidget(Panel_Disable, 1, 1);
  g->addWidget(NamedLabel("Label_DeltaNorthUnit", "m", p), 1, 2);
  g->addWidget(NamedLabel("Label_DeltaEast", "East", p), 2, 0);
  g->addWidget(Panel_DeltaLon, 2, 1);
  g->addWidget(Panel_Disable2, 2, 1);
  g->addWidget(NamedLabel("Label_DeltaEastUnit", "m", p), 2, 2);

  Button_ResetLLA = new QPushButton("Reset reference position", p);
  Button_ResetLLA->setObjectName("Button_ResetLLA");
  SetHint(Button_ResetLLA, "Press to set current position as initial position");
  g->addWidget(Button_ResetLLA, 3, 0, 1, 3);
  g->setRowStretch(4, 1);
  g->setColumnStretch(3, 1);
}

}  // namespace navbin::ui
