#include "ui/main_window/satellites_group.h"

#include <QGridLayout>

#include "protocol/presentation/control_names.h"

namespace navbin::ui {

SatellitesGroup::SatellitesGroup() : GroupFrame("Panel_Satellites") {
  QGridLayout* g = grid();
  QWidget* p = this;
  Label27 = Caption(NamedLabel("Label27", "Satellite Data:", p));
  g->addWidget(Label27, 0, 0, 1, 5);

  const char* headers[] = {"SV", "AMU", "AZ", "EL"};
  for (int c = 0; c < 4; ++c) {
    QLabel* h = NamedLabel(QStringLiteral("Label_%1Header").arg(headers[c]), headers[c], p);
    h->setAlignment(Qt::AlignCenter);
    g->addWidget(h, 1, c + 1);
  }
  for (std::size_t k = 0; k < Panel_SV.size(); ++k) buildRow(k);
  g->setRowStretch(int(Panel_SV.size()) + 2, 1);
}

void SatellitesGroup::buildRow(std::size_t k) {
  QGridLayout* g = grid();
  QWidget* p = this;
  const QString widest = "-888.8";
  const int n = int(k) + 1;
  QLabel* channel = NamedLabel(QStringLiteral("Label_Channel%1").arg(n), QString::number(n), p);
  channel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  g->addWidget(channel, n + 1, 0);
  Panel_SV[k] = Cell(rows::Panel_SV[k], kBlanked, widest, p);
  Panel_AMU[k] = Cell(rows::Panel_AMU[k], kBlanked, widest, p);
  Panel_AZ[k] = Cell(rows::Panel_AZ[k], kBlanked, widest, p);
  Panel_EL[k] = Cell(rows::Panel_EL[k], kBlanked, widest, p);
  SetHint(Panel_SV[k], "When green, this SV is being used for fixes");
  g->addWidget(Panel_SV[k], n + 1, 1);
  g->addWidget(Panel_AMU[k], n + 1, 2);
  g->addWidget(Panel_AZ[k], n + 1, 3);
  g->addWidget(Panel_EL[k], n + 1, 4);
  // Rows 9 to 12 stay grey until a receiver reports on channels 8 to 11.
  if (k >= 8) {
    for (ui::Panel* c : {Panel_SV[k], Panel_AMU[k], Panel_AZ[k], Panel_EL[k]}) {
      c->setFill(reports::Colour::ButtonFace);
    }
  }
}

}  // namespace navbin::ui
