#include "ui/forms/sensitivity_form.h"

namespace navbin::ui {

TForm_Sensitivity::TForm_Sensitivity(QWidget* parent)
    : FormWindow("Form_Sensitivity", "Enhanced Sensitivity Mode", parent) {
  setFixedSize(kPlaceholderSize);
}

}  // namespace navbin::ui
