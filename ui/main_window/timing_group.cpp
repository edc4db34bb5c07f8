#include "ui/main_window/timing_group.h"

#include <QGridLayout>
#include <initializer_list>

#include "protocol/presentation/control_names.h"

namespace navbin::ui {

TimingGroup::TimingGroup() : GroupFrame("Panel_Timing") {
  QGridLayout* g = grid();
  QWidget* p = this;
  Label10 = Caption(NamedLabel("Label10", "Timing:", p));
  g->addWidget(Label10, 0, 0, 1, 3);

  const QString time = " Wed 23:59:59.50  ";
  Panel_Time = Cell(names::Panel_Time, kBlanked, time, p);
  Panel_SuperTime = Cell(names::Panel_SuperTime, kBlanked, time, p);
  Label_TimeMode = NamedLabel(names::Label_TimeMode, "GPS", p);
  Label_SuperTimeMode = NamedLabel(names::Label_SuperTimeMode, "GPS", p);
  g->addWidget(NamedLabel("Label_TimeCaption", "Time", p), 1, 0);
  g->addWidget(Panel_Time, 1, 1);
  g->addWidget(Panel_SuperTime, 1, 1);
  g->addWidget(Label_TimeMode, 1, 2);
  g->addWidget(Label_SuperTimeMode, 1, 2);

  Panel_TOW = Cell(names::Panel_TOW, kBlanked, time, p);
  Panel_SuperTOW = Cell(names::Panel_SuperTOW, kBlanked, time, p);
  g->addWidget(NamedLabel("Label_TOWCaption", "TOW", p), 2, 0);
  g->addWidget(Panel_TOW, 2, 1);
  g->addWidget(Panel_SuperTOW, 2, 1);

  Panel_Week = Cell(names::Panel_Week, kBlanked, time, p);
  g->addWidget(NamedLabel("Label_WeekCaption", "Week", p), 3, 0);
  g->addWidget(Panel_Week, 3, 1);
  Panel_Date = Cell(names::Panel_Date, kBlanked, time, p);
  g->addWidget(NamedLabel("Label_DateCaption", "Date", p), 4, 0);
  g->addWidget(Panel_Date, 4, 1);

  // The timing layout's cells share the places of the normal ones.
  for (QWidget* w :
       std::initializer_list<QWidget*>{Panel_SuperTime, Panel_SuperTOW, Label_SuperTimeMode}) {
    w->hide();
  }
  SetHint(Panel_SuperTime, "Time: Packet 0x8F-AB");
  SetHint(Panel_SuperTOW, "Time: Packet 0x8F-AB");
  g->setColumnStretch(3, 1);
}

}  // namespace navbin::ui
