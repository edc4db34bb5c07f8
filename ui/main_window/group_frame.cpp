#include "ui/main_window/group_frame.h"

#include <QFont>
#include <QGridLayout>

namespace navbin::ui {

void SetHint(QWidget* widget, const QString& hint) {
  widget->setToolTip(hint);
  widget->setStatusTip(hint);
  widget->setToolTipDuration(5000);
}

QLabel* Caption(QLabel* label) {
  QFont f = label->font();
  f.setBold(true);
  label->setFont(f);
  return label;
}

void ReserveWidth(QLabel* label, const QString& widest) {
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest) + 4);
}

ui::Panel* Cell(const ObjectName& name, int tag, const QString& widest, QWidget* parent) {
  auto* panel = new ui::Panel(name, parent, tag);
  panel->setFixedWidth(panel->fontMetrics().horizontalAdvance(widest) + 12);
  return panel;
}

QLabel* NamedLabel(const ObjectName& name, const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name.text());
  return l;
}

GroupFrame::GroupFrame(const ObjectName& name) {
  setObjectName(name.text());
  setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  grid_ = new QGridLayout(this);
  grid_->setContentsMargins(6, 4, 6, 6);
  grid_->setHorizontalSpacing(4);
  grid_->setVerticalSpacing(2);
}

}  // namespace navbin::ui
