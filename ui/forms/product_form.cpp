#include "ui/forms/product_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "protocol/presentation/control_names.h"

namespace navbin::ui {

namespace {
constexpr char kHint[] = "Software versions: packets 1F, 45.";

Panel* Row(QGridLayout* grid, int row, const QString& label, const ObjectName& name,
           QWidget* parent) {
  grid->addWidget(new QLabel(label, parent), row, 0);
  auto* panel = new Panel(name, parent);
  panel->setText("?");
  panel->setToolTip(kHint);
  panel->setFixedWidth(110);
  grid->addWidget(panel, row, 1);
  return panel;
}

// A bordered group with its heading and a Version and a Date row.
QGroupBox* Group(const QString& heading, reports::ControlName versionName,
                 reports::ControlName dateName, Panel** version, Panel** date, QWidget* parent) {
  auto* group = new QGroupBox(heading, parent);
  auto* grid = new QGridLayout(group);
  grid->setHorizontalSpacing(10);
  grid->setColumnMinimumWidth(0, 60);
  *version = Row(grid, 0, "Version", versionName, group);
  *date = Row(grid, 1, "Date", dateName, group);
  return group;
}
}  // namespace

TForm_Product::TForm_Product(QWidget* parent)
    : FormWindow("Form_Product", "Product Information", parent) {
  setToolTip(kHint);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->setSpacing(8);
  layout->addWidget(Group("Application Layer Firmware:", names::Panel_NavVersion,
                          names::Panel_NavDate, &Panel_NavVersion, &Panel_NavDate, this));
  layout->addWidget(Group("Navigation Firmware:", names::Panel_SigVersion, names::Panel_SigDate,
                          &Panel_SigVersion, &Panel_SigDate, this));
  fixSize();
}

}  // namespace navbin::ui
