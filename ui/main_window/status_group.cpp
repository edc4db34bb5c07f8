#include "ui/main_window/status_group.h"

#include <QGridLayout>

#include "protocol/presentation/control_names.h"

namespace navbin::ui {

StatusGroup::StatusGroup() : GroupFrame(names::Panel_Status) {
  QGridLayout* g = grid();
  QWidget* p = this;
  Label26 = Caption(NamedLabel("Label26", "Status:", p));
  g->addWidget(Label26, 0, 0, 1, 3);

  const QString widest = "Auto (Diff. currently off)";
  Label9 = NamedLabel("Label9", "Mode", p);
  Panel_RecMode = Cell(names::Panel_RecMode, kBlanked, widest, p);
  Panel_SuperReceiverMode = Cell(names::Panel_SuperReceiverMode, kBlanked, widest, p);
  Panel_SuperReceiverMode->hide();
  SetHint(Panel_RecMode, "Receiver Mode: Packet 6D");
  SetHint(Panel_SuperReceiverMode, "Receiver Mode: Packet 0xAC");
  g->addWidget(Label9, 1, 0);
  g->addWidget(Panel_RecMode, 1, 1, 1, 2);
  g->addWidget(Panel_SuperReceiverMode, 1, 1, 1, 2);

  Label14 = NamedLabel("Label14", "DGPS", p);
  Panel_DGPS = Cell(names::Panel_DGPS, kBlanked, widest, p);
  g->addWidget(Label14, 2, 0);
  g->addWidget(Panel_DGPS, 2, 1, 1, 2);

  Panel_Health = Cell(names::Panel_Health, kBlanked, widest, p);
  SetHint(Panel_Health, "Receiver Health: Packet 46");
  g->addWidget(NamedLabel("Label_HealthCaption", "Health", p), 3, 0);
  g->addWidget(Panel_Health, 3, 1, 1, 2);
  buildLamps(4);
}

// The four lamps, each with the name of what it watches and its state text.
void StatusGroup::buildLamps(int firstRow) {
  QGridLayout* g = grid();
  QWidget* p = this;
  struct Lamp {
    ui::Shape*& shape;
    QLabel*& text;
    reports::ControlName shapeName;
    reports::ControlName textName;
    const char* caption;
  };
  const Lamp lamps[] = {
      {Shape_Err1, Label_BBRAMLed, names::Shape_Err1, names::Label_BBRAMLed, "Battery RAM"},
      {Shape_Err2, Label_AntennaLed, names::Shape_Err2, names::Label_AntennaLed, "Antenna"},
      {Shape_Err3, Label_RTCLed, names::Shape_Err3, names::Label_RTCLed, "RTC"},
      {Shape_Err4, Label_AlmanacLed, names::Shape_Err4, names::Label_AlmanacLed, "Almanac"},
  };
  int row = firstRow;
  for (const Lamp& lamp : lamps) {
    lamp.shape = new ui::Shape(lamp.shapeName, p, ui::Shape::Kind::Circle, kBlanked);
    lamp.text = NamedLabel(lamp.textName, "", p);
    ReserveWidth(lamp.text, "not complete & current");
    // With a buddy the label treats "&&" as one "&" ("complete && current").
    lamp.text->setBuddy(lamp.shape);
    g->addWidget(NamedLabel(Name(lamp.textName).replace("Led", "Caption"), lamp.caption, p), row,
                 0);
    g->addWidget(lamp.shape, row, 1, Qt::AlignCenter);
    g->addWidget(lamp.text, row, 2);
    ++row;
  }
  g->setRowStretch(row, 1);
  g->setColumnStretch(3, 1);
}

}  // namespace navbin::ui
