// The position group (LLA, ECEF and timing layouts share its cells) and the
// status group (fix mode, DGPS, health and the four status lamps).

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QSizePolicy>

#include "app/main_form.h"
#include "app/main_form_build.h"

namespace navbin::app {

using build::Caption;
using build::kBlanked;
using build::kKept;
using build::ReserveWidth;
using build::SetHint;

namespace {
// A cell that fills the columns it spans, whatever its text.
ui::Panel* SpanCell(const QString& name, int tag, QWidget* parent) {
  auto* panel = new ui::Panel(name, parent, tag);
  panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  return panel;
}
}  // namespace

QFrame* TForm_Main::buildPosition() {
  QGridLayout* g;
  Panel_Position = group("Panel_Position", g);
  QWidget* p = Panel_Position;
  Label_PanelPos = Caption(label("Label_PanelPos", "Position:", p));
  ReserveWidth(Label_PanelPos, "ECEF Position");
  g->addWidget(Label_PanelPos, 0, 0, 1, 5);

  Label_Lat_X = label("Label_Lat_X", "Latitude", p);
  Label_Lon_Y = label("Label_Lon_Y", "Longitude", p);
  Label_Alt_Z = label("Label_Alt_Z", "Altitude", p);
  ReserveWidth(Label_Lon_Y, "Longitude");
  g->addWidget(Label_Lat_X, 1, 0);
  g->addWidget(Label_Lon_Y, 2, 0);
  g->addWidget(Label_Alt_Z, 3, 0);
  buildLlaCells(g);
  buildSpanCells(g);

  // Units: Label_Pmode1 for the first two rows, Label_Pmode2 for the third.
  Label_Pmode1 = label("Label_Pmode1", "", p);
  Label_Pmode2 = label("Label_Pmode2", "", p);
  ReserveWidth(Label_Pmode1, "m");
  ReserveWidth(Label_Pmode2, "m");
  g->addWidget(Label_Pmode1, 1, 4, 2, 1);
  g->addWidget(Label_Pmode2, 3, 4);

  // Only newer firmware knows datums: caption disabled, cell grey until the
  // version report says otherwise.
  Label_DatumMain = label("Label_DatumMain", "Datum", p);
  Panel_Datum = SpanCell("Panel_Datum", kKept, p);
  Label_DatumMain->setEnabled(false);
  Panel_Datum->setFill(reports::Colour::ButtonFace);
  g->addWidget(Label_DatumMain, 4, 0);
  g->addWidget(Panel_Datum, 4, 1, 1, 3);
  g->setColumnStretch(5, 1);
  return Panel_Position;
}

// LLA layout: degrees, minutes and hemisphere in rows 1 and 2.
void TForm_Main::buildLlaCells(QGridLayout* g) {
  QWidget* p = Panel_Position;
  Panel_LatDeg = cell("Panel_LatDeg", kBlanked, "-180\u00B0", p);
  Panel_LatMin = cell("Panel_LatMin", kBlanked, "59.99999'", p);
  Panel_NorthSouth = cell("Panel_NorthSouth", kBlanked, "W", p);
  Panel_LonDeg = cell("Panel_LonDeg", kBlanked, "-180\u00B0", p);
  Panel_LonMin = cell("Panel_LonMin", kBlanked, "59.99999'", p);
  Panel_EastWest = cell("Panel_EastWest", kBlanked, "W", p);
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
void TForm_Main::buildSpanCells(QGridLayout* g) {
  QWidget* p = Panel_Position;
  Panel_X = SpanCell("Panel_X", kBlanked, p);
  Panel_Y = SpanCell("Panel_Y", kBlanked, p);
  Panel_SuperLat = SpanCell("Panel_SuperLat", kBlanked, p);
  Panel_SuperLon = SpanCell("Panel_SuperLon", kBlanked, p);
  g->addWidget(Panel_X, 1, 1, 1, 3);
  g->addWidget(Panel_SuperLat, 1, 1, 1, 3);
  g->addWidget(Panel_Y, 2, 1, 1, 3);
  g->addWidget(Panel_SuperLon, 2, 1, 1, 3);
  Panel_Alt_Z = SpanCell("Panel_Alt_Z", kBlanked, p);
  Panel_SuperAlt = SpanCell("Panel_SuperAlt", kBlanked, p);
  g->addWidget(Panel_Alt_Z, 3, 1, 1, 3);
  g->addWidget(Panel_SuperAlt, 3, 1, 1, 3);
  for (ui::Panel* span : {Panel_X, Panel_Y, Panel_SuperLat, Panel_SuperLon, Panel_SuperAlt}) {
    span->hide();
  }
}

QFrame* TForm_Main::buildStatus() {
  QGridLayout* g;
  Panel_Status = group("Panel_Status", g);
  QWidget* p = Panel_Status;
  Label26 = Caption(label("Label26", "Status:", p));
  g->addWidget(Label26, 0, 0, 1, 3);

  const QString widest = "Auto (Diff. currently off)";
  Label9 = label("Label9", "Mode", p);
  Panel_RecMode = cell("Panel_RecMode", kBlanked, widest, p);
  Panel_SuperReceiverMode = cell("Panel_SuperReceiverMode", kBlanked, widest, p);
  Panel_SuperReceiverMode->hide();
  SetHint(Panel_RecMode, "Receiver Mode: Packet 6D");
  SetHint(Panel_SuperReceiverMode, "Receiver Mode: Packet 0xAC");
  g->addWidget(Label9, 1, 0);
  g->addWidget(Panel_RecMode, 1, 1, 1, 2);
  g->addWidget(Panel_SuperReceiverMode, 1, 1, 1, 2);

  Label14 = label("Label14", "DGPS", p);
  Panel_DGPS = cell("Panel_DGPS", kBlanked, widest, p);
  g->addWidget(Label14, 2, 0);
  g->addWidget(Panel_DGPS, 2, 1, 1, 2);

  Panel_Health = cell("Panel_Health", kBlanked, widest, p);
  SetHint(Panel_Health, "Receiver Health: Packet 46");
  g->addWidget(label("Label_HealthCaption", "Health", p), 3, 0);
  g->addWidget(Panel_Health, 3, 1, 1, 2);

  // The four lamps, each with the name of what it watches and its state text.
  struct Lamp {
    ui::Shape*& shape;
    QLabel*& text;
    const char* shapeName;
    const char* textName;
    const char* caption;
  };
  const Lamp lamps[] = {
      {Shape_Err1, Label_BBRAMLed, "Shape_Err1", "Label_BBRAMLed", "Battery RAM"},
      {Shape_Err2, Label_AntennaLed, "Shape_Err2", "Label_AntennaLed", "Antenna"},
      {Shape_Err3, Label_RTCLed, "Shape_Err3", "Label_RTCLed", "RTC"},
      {Shape_Err4, Label_AlmanacLed, "Shape_Err4", "Label_AlmanacLed", "Almanac"},
  };
  int row = 4;
  for (const Lamp& lamp : lamps) {
    lamp.shape = new ui::Shape(lamp.shapeName, p, ui::Shape::Kind::Circle, kBlanked);
    lamp.text = label(lamp.textName, "", p);
    ReserveWidth(lamp.text, "not complete & current");
    // With a buddy the label treats "&&" as one "&" ("complete && current").
    lamp.text->setBuddy(lamp.shape);
    g->addWidget(label(QString(lamp.textName).replace("Led", "Caption"), lamp.caption, p), row, 0);
    g->addWidget(lamp.shape, row, 1, Qt::AlignCenter);
    g->addWidget(lamp.text, row, 2);
    ++row;
  }
  g->setRowStretch(row, 1);
  g->setColumnStretch(3, 1);
  return Panel_Status;
}

}  // namespace navbin::app
