// The main window's display groups: the grid of groups, and the timing,
// velocity and change-in-position groups. Cells with tag 1 are the live data
// that "&Auto Query" blanks.

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/main_form.h"
#include "app/main_form_build.h"

namespace navbin::app {

using build::Caption;
using build::kBlanked;
using build::kKept;
using build::ReserveWidth;
using build::SetHint;

ui::Panel* TForm_Main::cell(const QString& name, int tag, const QString& widest, QWidget* parent) {
  auto* panel = new ui::Panel(name, parent, tag);
  panel->setFixedWidth(panel->fontMetrics().horizontalAdvance(widest) + 12);
  return panel;
}

QLabel* TForm_Main::label(const QString& name, const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}

QFrame* TForm_Main::group(const QString& name, QGridLayout*& grid) {
  auto* frame = new QFrame;
  frame->setObjectName(name);
  frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  grid = new QGridLayout(frame);
  grid->setContentsMargins(6, 4, 6, 6);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(2);
  return frame;
}

namespace {
// Stacks groups in a column; the last one takes the spare height so the
// columns end level.
QVBoxLayout* Column(std::initializer_list<QWidget*> groups) {
  auto* column = new QVBoxLayout;
  column->setSpacing(4);
  int i = 0;
  for (QWidget* g : groups) column->addWidget(g, ++i == int(groups.size()) ? 1 : 0);
  return column;
}
}  // namespace

QWidget* TForm_Main::buildGroups() {
  auto* groups = new QWidget;
  groups->setObjectName("MainGroups");
  auto* row = new QHBoxLayout(groups);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(4);
  row->addLayout(Column({buildTiming(), buildVelocity(), buildDeltaPos()}));
  row->addLayout(Column({buildPosition(), buildStatus()}));
  row->addLayout(Column({buildSatellites(), buildDops()}));
  row->addWidget(buildCom());
  return groups;
}

QFrame* TForm_Main::buildTiming() {
  QGridLayout* g;
  Panel_Timing = group("Panel_Timing", g);
  QWidget* p = Panel_Timing;
  Label10 = Caption(label("Label10", "Timing:", p));
  g->addWidget(Label10, 0, 0, 1, 3);

  const QString time = " Wed 23:59:59.50  ";
  Panel_Time = cell("Panel_Time", kBlanked, time, p);
  Panel_SuperTime = cell("Panel_SuperTime", kBlanked, time, p);
  Label_TimeMode = label("Label_TimeMode", "GPS", p);
  Label_SuperTimeMode = label("Label_SuperTimeMode", "GPS", p);
  g->addWidget(label("Label_TimeCaption", "Time", p), 1, 0);
  g->addWidget(Panel_Time, 1, 1);
  g->addWidget(Panel_SuperTime, 1, 1);
  g->addWidget(Label_TimeMode, 1, 2);
  g->addWidget(Label_SuperTimeMode, 1, 2);

  Panel_TOW = cell("Panel_TOW", kBlanked, time, p);
  Panel_SuperTOW = cell("Panel_SuperTOW", kBlanked, time, p);
  g->addWidget(label("Label_TOWCaption", "TOW", p), 2, 0);
  g->addWidget(Panel_TOW, 2, 1);
  g->addWidget(Panel_SuperTOW, 2, 1);

  Panel_Week = cell("Panel_Week", kBlanked, time, p);
  g->addWidget(label("Label_WeekCaption", "Week", p), 3, 0);
  g->addWidget(Panel_Week, 3, 1);
  Panel_Date = cell("Panel_Date", kBlanked, time, p);
  g->addWidget(label("Label_DateCaption", "Date", p), 4, 0);
  g->addWidget(Panel_Date, 4, 1);

  // The timing layout's cells share the places of the normal ones.
  for (QWidget* w :
       std::initializer_list<QWidget*>{Panel_SuperTime, Panel_SuperTOW, Label_SuperTimeMode}) {
    w->hide();
  }
  SetHint(Panel_SuperTime, "Time: Packet 0x8F-AB");
  SetHint(Panel_SuperTOW, "Time: Packet 0x8F-AB");
  g->setColumnStretch(3, 1);
  return Panel_Timing;
}

QFrame* TForm_Main::buildVelocity() {
  QGridLayout* g;
  Panel_Velocity = group("Panel_Velocity", g);
  QWidget* p = Panel_Velocity;
  Label_PanelVel = Caption(label("Label_PanelVel", "Velocity:", p));
  ReserveWidth(Label_PanelVel, "ECEF Velocity");
  g->addWidget(Label_PanelVel, 0, 0, 1, 3);
  const char* directions[] = {"East", "North", "Up"};
  for (std::size_t i = 0; i < Panel_Vel.size(); ++i) {
    const int n = int(i) + 1;
    Label_Vel[i] = label(QStringLiteral("Label_Vel%1").arg(n), directions[i], p);
    Label_Vel[i]->setFixedWidth(Label_Vel[i]->fontMetrics().horizontalAdvance("South  "));
    Panel_Vel[i] = cell(QStringLiteral("Panel_Vel%1").arg(n), kBlanked, "-99999.99", p);
    g->addWidget(Label_Vel[i], n, 0);
    g->addWidget(Panel_Vel[i], n, 1);
    g->addWidget(label(QStringLiteral("Label_VelUnit%1").arg(n), "m/s", p), n, 2);
  }
  g->setColumnStretch(3, 1);
  return Panel_Velocity;
}

QFrame* TForm_Main::buildDeltaPos() {
  QGridLayout* g;
  Panel_DeltaPos = group("Panel_DeltaPos", g);
  QWidget* p = Panel_DeltaPos;
  g->addWidget(Caption(label("Label_DeltaPos", "Change in Position:", p)), 0, 0, 1, 3);

  Panel_DeltaLat = cell("Panel_DeltaLat", kBlanked, "-9999999.99", p);
  Panel_DeltaLon = cell("Panel_DeltaLon", kBlanked, "-9999999.99", p);
  // Blank covers over the deltas while the position is not LLA.
  Panel_Disable = cell("Panel_Disable", kKept, "-9999999.99", p);
  Panel_Disable2 = cell("Panel_Disable2", kKept, "-9999999.99", p);
  Panel_Disable->setFill(reports::Colour::ButtonFace);
  Panel_Disable2->setFill(reports::Colour::ButtonFace);
  Panel_Disable->hide();
  Panel_Disable2->hide();
  SetHint(Panel_DeltaLat, "Delta North");
  SetHint(Panel_DeltaLon, "Delta East");

  g->addWidget(label("Label_DeltaNorth", "North", p), 1, 0);
  g->addWidget(Panel_DeltaLat, 1, 1);
  g->addWidget(Panel_Disable, 1, 1);
  g->addWidget(label("Label_DeltaNorthUnit", "m", p), 1, 2);
  g->addWidget(label("Label_DeltaEast", "East", p), 2, 0);
  g->addWidget(Panel_DeltaLon, 2, 1);
  g->addWidget(Panel_Disable2, 2, 1);
  g->addWidget(label("Label_DeltaEastUnit", "m", p), 2, 2);

  Button_ResetLLA = new QPushButton("Reset reference position", p);
  Button_ResetLLA->setObjectName("Button_ResetLLA");
  SetHint(Button_ResetLLA, "Press to set current position as initial position");
  g->addWidget(Button_ResetLLA, 3, 0, 1, 3);
  g->setRowStretch(4, 1);
  g->setColumnStretch(3, 1);
  return Panel_DeltaPos;
}

}  // namespace navbin::app
