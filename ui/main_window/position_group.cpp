#include "ui/main_window/position_group.h"

#include <QGridLayout>
#include <QSizePolicy>

#include "protocol/presentation/control_names.h"

namespace navbin::ui {

namespace {
// A cell that fills the columns it spans, whatever its text.
ui::Panel* SpanCell(const ObjectName& name, int tag, QWidget* parent) {
  auto* panel = new ui::Panel(name, parent, tag);
  panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  return panel;
}
}  // namespace

PositionGroup::PositionGroup() : GroupFrame(names::Panel_Position) {
  QGridLayout* g = grid();
  QWidget* p = this;
  Label_PanelPos = Caption(NamedLabel(names::Label_PanelPos, "Position:", p));
  ReserveWidth(Label_PanelPos, "ECEF Position");
  g->addWidget(Label_PanelPos, 0, 0, 1, 5);

  Label_Lat_X = NamedLabel(names::Label_Lat_X, "Latitude", p);
  Label_Lon_Y = NamedLabel(names::Label_Lon_Y, "Longitude", p);
  Label_Alt_Z = NamedLabel(names::Label_Alt_Z, "Altitude", p);
  ReserveWidth(Label_Lon_Y, "Longitude");
  g->addWidget(Label_Lat_X, 1, 0);
  g->addWidget(Label_Lon_Y, 2, 0);
  g->addWidget(Label_Alt_Z, 3, 0);
  buildLlaCells();
  buildSpanCells();

  // Units: Label_Pmode1 for the first two rows, Label_Pmode2 for the third.
  Label_Pmode1 = NamedLabel(names::Label_Pmode1, "", p);
  Label_Pmode2 = NamedLabel(names::Label_Pmode2, "", p);
  ReserveWidth(Label_Pmode1, "m");
  ReserveWidth(Label_Pmode2, "m");
  g->addWidget(Label_Pmode1, 1, 4, 2, 1);
  g->addWidget(Label_Pmode2, 3, 4);

  // Only newer firmware knows datums: caption disabled, cell grey until the
  // version report says otherwise.
  Label_DatumMain = NamedLabel(names::Label_DatumMain, "Datum", p);
  Panel_Datum = SpanCell(names::Panel_Datum, kKept, p);
  Label_DatumMain->setEnabled(false);
  Panel_Datum->setFill(reports::Colour::ButtonFace);
  g->addWidget(Label_DatumMain, 4, 0);
  g->addWidget(Panel_Datum, 4, 1, 1, 3);
  g->setColumnStretch(5, 1);
}

// LLA layout: degrees, minutes and hemisphere in rows 1 and 2.
void PositionGroup::buildLlaCells() {
  QGridLayout* g = grid();
  QWidget* p = this;
  Panel_LatDeg = Cell(names::Panel_LatDeg, kBlanked, "-180\u00B0", p);
  Panel_LatMin = Cell(names::Panel_LatMin, kBlanked, "59.99999'", p);
  Panel_NorthSouth = Cell(names::Panel_NorthSouth, kBlanked, "W", p);
  Panel_LonDeg = Cell(names::Panel_LonDeg, kBlanked, "-180\u00B0", p);
  Panel_LonMin = Cell(names::Panel_LonMin, kBlanked, "59.99999'", p);
  Panel_EastWest = Cell(names::Panel_EastWest, kBlanked, "W", p);
  g->addWidget(Panel_LatDeg, 1, 1);
  g->addWidget(Panel_LatMin, 1, 2);
  g->addWidget(Panel_NorthSouth, 1, 3);
  g->addWidget(Panel_LonDeg, 2, 1);
  g->addWidget(Panel_LonMin, 2, 2);
  g->addWidget(Panel_EastWest, 2, 3);
  // The ECEF and timing cells span these columns and take no width of their
  // own: hidden, the LLA cells still hold the columns open.
  for (ui::Panel* c :
       {Panel_LatDeg, Panel_LatMin, Panel_NorthSouth, Panel_LonDeg, Panel_LonMin, Panel_EastWest}) {
    QSizePolicy policy = c->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    c->setSizePolicy(policy);
  }
}

// ECEF and timing layouts: one cell across the three LLA columns, and the
// altitude row that every layout has.
void PositionGroup::buildSpanCells() {
  QGridLayout* g = grid();
  QWidget* p = this;
  Panel_X = SpanCell(names::Panel_X, kBlanked, p);
  Panel_Y = SpanCell(names::Panel_Y, kBlanked, p);
  Panel_SuperLat = SpanCell(names::Panel_SuperLat, kBlanked, p);
  Panel_SuperLon = SpanCell(names::Panel_SuperLon, kBlanked, p);
  g->addWidget(Panel_X, 1, 1, 1, 3);
  g->addWidget(Panel_SuperLat, 1, 1, 1, 3);
  g->addWidget(Panel_Y, 2, 1, 1, 3);
  g->addWidget(Panel_SuperLon, 2, 1, 1, 3);
  Panel_Alt_Z = SpanCell(names::Panel_Alt_Z, kBlanked, p);
  Panel_SuperAlt = SpanCell(names::Panel_SuperAlt, kBlanked, p);
  g->addWidget(Panel_Alt_Z, 3, 1, 1, 3);
  g->addWidget(Panel_SuperAlt, 3, 1, 1, 3);
  for (ui::Panel* span : {Panel_X, Panel_Y, Panel_SuperLat, Panel_SuperLon, Panel_SuperAlt}) {
    span->hide();
  }
}

}  // namespace navbin::ui
