#include "ui/forms/filters_form.h"

namespace navbin::ui {

TForm_Filters::TForm_Filters(QWidget* parent)
    : FormWindow("Form_Filters", "Configure Filters", parent) {
  setFixedSize(kPlaceholderSize);
}

}  // namespace navbin::ui
