#pragma once
// What the parts of the main window are built from: a group frame with its
// grid, display cells, labels, captions and hints. Cells with tag kBlanked
// are the live data that "&Auto Query" blanks.

#include <QFrame>
#include <QLabel>
#include <QString>

#include "ui/widgets/panel.h"

class QGridLayout;

namespace navbin::ui {

inline constexpr int kBlanked = 1;  // tag of the cells "&Auto Query" blanks
inline constexpr int kKept = 0;

// A hint shows as a tool tip and, through the status tip, in Panel_Hint.
void SetHint(QWidget* widget, const QString& hint);
// A group caption: bold, in the group's first row.
QLabel* Caption(QLabel* label);
// Keeps a label from changing the layout when its text changes: as wide as
// the widest text it will show.
void ReserveWidth(QLabel* label, const QString& widest);
// A display cell wide enough for `widest`.
ui::Panel* Cell(const ObjectName& name, int tag, const QString& widest, QWidget* parent);
QLabel* NamedLabel(const ObjectName& name, const QString& text, QWidget* parent);

// A raised frame named `name` with a grid for its rows of cells.
class GroupFrame : public QFrame {
  Q_OBJECT
 protected:
  explicit GroupFrame(const ObjectName& name);
  QGridLayout* grid() const { return grid_; }

 private:
  QGridLayout* grid_;
};

}  // namespace navbin::ui
