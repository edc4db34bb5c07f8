#include "ui/forms/track_form.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "protocol/presentation/control_names.h"

namespace navbin::ui {

namespace {

constexpr char kRowHint[] = "Tracking Status: Packet 3C, 5C";
constexpr char kSelectionHint[] = "SV Selection: Packet 24, 6D";

struct ColumnSpec {
  const char* caption;
  const char* hint;
  const std::array<reports::ControlName, reports::kChannelCount>* row;
  int width;  // 0: a lamp
};

constexpr ColumnSpec kColumns[] = {
    {"SV", "Satellite Vehicle", &rows::Panel_SV, 34},
    {"Acq", "yellow = never acq; green = acq; blue = re-opened search", &rows::Shape_Acq, 0},
    {"Eph", "Ephemeris Flag: green indicates good ephemeris", &rows::Shape_Eph, 0},
    {"AMU", "Signal Strength", &rows::Panel_Amu, 50},
    {"Time", ">0 is time of last measurement; 0 indicates no measurements taken", &rows::Panel_Time,
     74},
    {"Elev", "The SV's approximate elevation above the horizon", &rows::Panel_Elev, 50},
    {"Azim", "The SV's approximate azimuth from true north", &rows::Panel_Azim, 50},
};

QLabel* Caption(const QString& text, const QString& hint, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setToolTip(hint);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

Panel* Cell(const ObjectName& name, const char* hint, int width, QWidget* parent) {
  auto* panel = new Panel(name, parent);
  panel->setToolTip(hint);
  panel->setFixedWidth(width);
  return panel;
}

}  // namespace

TForm_Track::TForm_Track(QWidget* parent) : FormWindow("Form_Track", "Tracking Status", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->setSpacing(10);
  layout->addWidget(buildChannelGrid());
  layout->addWidget(buildSelectionPanels());
  fixSize();
}

QWidget* TForm_Track::buildChannelGrid() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(3);
  for (int c = 0; c < int(std::size(kColumns)); ++c) {
    grid->addWidget(Caption(kColumns[c].caption, kColumns[c].hint, box), 0, c + 1);
  }
  Column<Panel>* panels[] = {&svCells,   nullptr,    nullptr,   &amuCells,
                             &timeCells, &elevCells, &azimCells};
  Column<Shape>* lights[] = {nullptr, &acqLights, &ephLights};
  for (int k = 0; k < reports::kChannelCount; ++k) {
    const int row = k + 1;
    auto* rowLabel = new QLabel(QString::number(row), box);
    rowLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(rowLabel, row, 0);
    for (int c = 0; c < int(std::size(kColumns)); ++c) {
      const reports::ControlName name = (*kColumns[c].row)[std::size_t(k)];
      if (kColumns[c].width == 0) {
        auto* lamp = new Shape(name, box);
        lamp->setToolTip(kRowHint);
        (*lights[c])[k] = lamp;
        grid->addWidget(lamp, row, c + 1, Qt::AlignCenter);
      } else {
        Panel* cell = Cell(name, kRowHint, kColumns[c].width, box);
        (*panels[c])[k] = cell;
        grid->addWidget(cell, row, c + 1);
      }
    }
  }
  grid->setColumnMinimumWidth(2, 28);
  grid->setColumnMinimumWidth(3, 28);
  return box;
}

QWidget* TForm_Track::buildSelectionPanels() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(3);

  layout->addWidget(Caption("SV Selection List", "List of SVs used in the current fix", box), 0,
                    Qt::AlignLeft);
  Panel_SVSel = new Panel(names::Panel_SVSel, box);
  Panel_SVSel->setToolTip(kSelectionHint);
  // Twelve right-aligned four-character fields line up only in a fixed-pitch font.
  Panel_SVSel->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  Panel_SVSel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  const QFontMetrics metrics = Panel_SVSel->fontMetrics();
  Panel_SVSel->setMinimumSize(metrics.horizontalAdvance(QString(4 * reports::kChannelCount, '0')) +
                                  2 * Panel_SVSel->frameWidth() + 12,
                              metrics.height() + 6);
  Panel_SVSel->setIndent(4);
  layout->addWidget(Panel_SVSel);

  auto* dops = new QGridLayout;
  dops->setHorizontalSpacing(6);
  dops->setVerticalSpacing(3);
  struct Dop {
    Panel** member;
    reports::ControlName name;
    const char* label;
    const char* hint;
  };
  const Dop kDops[] = {
      {&Panel_PDOP, names::Panel_PDOP, "PDOP", "Position Dilution of Precision"},
      {&Panel_HDOP, names::Panel_HDOP, "HDOP", "Horizontal Dilution of Precision"},
      {&Panel_VDOP, names::Panel_VDOP, "VDOP", "Vertical Dilution of Precision"},
      {&Panel_TDOP, names::Panel_TDOP, "TDOP", "Time Dilution of Precision"},
  };
  for (int i = 0; i < int(std::size(kDops)); ++i) {
    dops->addWidget(Caption(kDops[i].label, kDops[i].hint, box), 0, i);
    *kDops[i].member = Cell(kDops[i].name, kSelectionHint, 60, box);
    dops->addWidget(*kDops[i].member, 1, i, Qt::AlignHCenter);
  }
  layout->addSpacing(4);
  layout->addLayout(dops);
  return box;
}

}  // namespace navbin::ui
