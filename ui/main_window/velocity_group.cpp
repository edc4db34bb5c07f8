#include "ui/main_window/velocity_group.h"

#include <QGridLayout>

#include "protocol/presentation/control_names.h"

namespace navbin::ui {

VelocityGroup::VelocityGroup() : GroupFrame(names::Panel_Velocity) {
  QGridLayout* g = grid();
  QWidget* p = this;
  Label_PanelVel = Caption(NamedLabel(names::Label_PanelVel, "Velocity:", p));
  ReserveWidth(Label_PanelVel, "ECEF Velocity");
  g->addWidget(Label_PanelVel, 0, 0, 1, 3);
  const char* directions[] = {"East", "North", "Up"};
  for (std::size_t i = 0; i < Panel_Vel.size(); ++i) {
    const int n = int(i) + 1;
    Label_Vel[i] = NamedLabel(rows::Label_Vel[i], directions[i], p);
    Label_Vel[i]->setFixedWidth(Label_Vel[i]->fontMetrics().horizontalAdvance("South  "));
    Panel_Vel[i] = Cell(rows::Panel_Vel[i], kBlanked, "-99999.99", p);
    g->addWidget(Label_Vel[i], n, 0);
    g->addWidget(Panel_Vel[i], n, 1);
    g->addWidget(NamedLabel(QStringLiteral("Label_VelUnit%1").arg(n), "m/s", p), n, 2);
  }
  g->setColumnStretch(3, 1);
}

}  // namespace navbin::ui
