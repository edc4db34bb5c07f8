#include "ui/forms/log_form.h"

#include <QVBoxLayout>

namespace navbin::ui {

TForm_Log::TForm_Log(QWidget* parent)
    : FormWindow("Form_Log", "Data Logging Setup and Status", parent) {
  auto* layout = new QVBoxLayout(this);
  CheckBox_Bias = new QCheckBox("Bias (ns) ", this);
  CheckBox_Bias->setObjectName("CheckBox_Bias");
  CheckBox_Bias->setChecked(false);
  layout->addWidget(CheckBox_Bias);
  layout->addStretch(1);
  setFixedSize(kPlaceholderSize);
}

}  // namespace navbin::ui
