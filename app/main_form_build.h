#pragma once
// Small helpers shared by the files that build the main window.

#include <QFont>
#include <QLabel>
#include <QString>
#include <QWidget>

namespace navbin::app::build {

inline constexpr int kBlanked = 1;  // tag of the cells "&Auto Query" blanks
inline constexpr int kKept = 0;

// The hint of a port lamp; a lost port's lamp shows another until it is back.
inline constexpr char kPortPanelHint[] =
    "When lit, this port is monitored; when green, receiving packets";

// A hint shows as a tool tip and, through the status tip, in Panel_Hint.
inline void SetHint(QWidget* widget, const QString& hint) {
  widget->setToolTip(hint);
  widget->setStatusTip(hint);
  widget->setToolTipDuration(5000);
}

// A group caption: bold, in the group's first row.
inline QLabel* Caption(QLabel* label) {
  QFont f = label->font();
  f.setBold(true);
  label->setFont(f);
  return label;
}

// Keeps a label from changing the layout when its text changes: as wide as
// the widest text it will show.
inline void ReserveWidth(QLabel* label, const QString& widest) {
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest) + 4);
}

}  // namespace navbin::app::build
