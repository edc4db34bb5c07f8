#include "ui/forms/alm_form.h"

namespace navbin::ui {

TForm_Alm::TForm_Alm(QWidget* parent) : FormWindow("Form_Alm", "Data Loading Status", parent) {
  setFixedSize(kPlaceholderSize);
}

}  // namespace navbin::ui
