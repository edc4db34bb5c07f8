// The 12 channel rows of the satellites group and the DOP group.

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

#include "app/main_form.h"
#include "app/main_form_build.h"

namespace navbin::app {

using build::Caption;
using build::kBlanked;
using build::SetHint;

QFrame* TForm_Main::buildSatellites() {
  QGridLayout* g;
  Panel_Satellites = group("Panel_Satellites", g);
  QWidget* p = Panel_Satellites;
  Label27 = Caption(label("Label27", "Satellite Data:", p));
  g->addWidget(Label27, 0, 0, 1, 5);

  const char* headers[] = {"SV", "AMU", "AZ", "EL"};
  for (int c = 0; c < 4; ++c) {
    QLabel* h = label(QStringLiteral("Label_%1Header").arg(headers[c]), headers[c], p);
    h->setAlignment(Qt::AlignCenter);
    g->addWidget(h, 1, c + 1);
  }
  const QString widest = "-888.8";
  for (std::size_t k = 0; k < Panel_SV.size(); ++k) {
    const int n = int(k) + 1;
    QLabel* channel = label(QStringLiteral("Label_Channel%1").arg(n), QString::number(n), p);
    channel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(channel, n + 1, 0);
    Panel_SV[k] = cell(QStringLiteral("Panel_SV%1").arg(n), kBlanked, widest, p);
    Panel_AMU[k] = cell(QStringLiteral("Panel_AMU%1").arg(n), kBlanked, widest, p);
    Panel_AZ[k] = cell(QStringLiteral("Panel_AZ%1").arg(n), kBlanked, widest, p);
    Panel_EL[k] = cell(QStringLiteral("Panel_EL%1").arg(n), kBlanked, widest, p);
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
  g->setRowStretch(int(Panel_SV.size()) + 2, 1);
  return Panel_Satellites;
}

QFrame* TForm_Main::buildDops() {
  QGridLayout* g;
  Panel_DOPS = group("Panel_DOPS", g);
  QWidget* p = Panel_DOPS;
  g->addWidget(Caption(label("Label_DOPS", "Dilution of Precision:", p)), 0, 0, 1, 4);
  const QString widest = "999.9";
  Panel_PDOP = cell("Panel_PDOP", kBlanked, widest, p);
  Panel_HDOP = cell("Panel_HDOP", kBlanked, widest, p);
  Panel_VDOP = cell("Panel_VDOP", kBlanked, widest, p);
  Panel_TDOP = cell("Panel_TDOP", kBlanked, widest, p);
  g->addWidget(label("Label_PDOP", "PDOP", p), 1, 0);
  g->addWidget(Panel_PDOP, 1, 1);
  g->addWidget(label("Label_HDOP", "HDOP", p), 1, 2, Qt::AlignRight);
  g->addWidget(Panel_HDOP, 1, 3);
  g->addWidget(label("Label_VDOP", "VDOP", p), 2, 0);
  g->addWidget(Panel_VDOP, 2, 1);
  g->addWidget(label("Label_TDOP", "TDOP", p), 2, 2, Qt::AlignRight);
  g->addWidget(Panel_TDOP, 2, 3);
  g->setRowStretch(3, 1);
  g->setColumnStretch(4, 1);
  return Panel_DOPS;
}

}  // namespace navbin::app
