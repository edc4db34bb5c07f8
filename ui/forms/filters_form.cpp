#include "ui/forms/filters_form.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "protocol/presentation/config_control_names.h"

namespace navbin::ui {

TForm_Filters::TForm_Filters(QWidget* parent)
    : ConfigDialog("Form_Filters", "Configure Filters", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  CheckBox_Dynamic = CheckBox(names::CheckBox_Dynamic, "Position-Velocity Filter", this);
  CheckBox_Static = CheckBox(names::CheckBox_Static, "Static Filter", this);
  CheckBox_Altitude = CheckBox(names::CheckBox_Altitude, "Altitude Filter", this);
  // toggled, not clicked: a report that changes the box runs the rule too.
  connect(CheckBox_Dynamic, &QCheckBox::toggled, this, &TForm_Filters::CheckBox_DynamicClick);
  layout->addWidget(CheckBox_Dynamic);
  layout->addWidget(CheckBox_Static);
  layout->addWidget(CheckBox_Altitude);
  layout->addSpacing(8);
  auto* buttons = new QHBoxLayout;
  addButtons(buttons);
  layout->addLayout(buttons);
  fixSize();
}

void TForm_Filters::CheckBox_DynamicClick() {
  if (!CheckBox_Dynamic->isChecked()) CheckBox_Static->setChecked(false);
  CheckBox_Static->setEnabled(CheckBox_Dynamic->isChecked());
}

}  // namespace navbin::ui
