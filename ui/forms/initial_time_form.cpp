#include "ui/forms/initial_time_form.h"

namespace navbin::ui {

TForm_InitialTime::TForm_InitialTime(QWidget* parent)
    : FormWindow("Form_InitialTime", "Time From PC", parent) {
  setFixedSize(kPlaceholderSize);
}

}  // namespace navbin::ui
