#include "ui/forms/bias_form.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "protocol/presentation/control_names.h"

namespace navbin::ui {

namespace {
Panel* ValueRow(QGridLayout* grid, int row, const QString& label, const ObjectName& name,
                const QString& unit, QWidget* parent) {
  grid->addWidget(new QLabel(label, parent), row, 0);
  auto* panel = new Panel(name, parent);
  panel->setFixedWidth(110);
  panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  panel->setIndent(4);
  grid->addWidget(panel, row, 1);
  grid->addWidget(new QLabel(unit, parent), row, 2);
  return panel;
}
}  // namespace

TForm_Bias::TForm_Bias(QWidget* parent) : FormWindow("Form_Bias", "Timing Outputs", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  auto* frame = new QFrame(this);
  frame->setObjectName("Panel_Outputs");
  frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  auto* grid = new QGridLayout(frame);
  grid->setContentsMargins(10, 10, 10, 10);
  grid->setHorizontalSpacing(8);
  Panel_Bias = ValueRow(grid, 0, "Bias", names::Panel_Bias, "ns", frame);
  Panel_BiasRate = ValueRow(grid, 1, "Bias Rate", names::Panel_BiasRate, "ppb", frame);
  layout->addWidget(frame);
  fixSize();
}

}  // namespace navbin::ui
