#include "ui/forms/initial_pos_form.h"

namespace navbin::ui {

TForm_InitialPos::TForm_InitialPos(QWidget* parent)
    : FormWindow("Form_InitialPos", "Initial Position", parent) {
  setFixedSize(kPlaceholderSize);
}

}  // namespace navbin::ui
