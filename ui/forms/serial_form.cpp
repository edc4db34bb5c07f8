#include "ui/forms/serial_form.h"

namespace navbin::ui {

TForm_Serial::TForm_Serial(QWidget* parent)
    : FormWindow("Form_Serial", "Serial Port Configuration", parent) {
  setFixedSize(kPlaceholderSize);
}

}  // namespace navbin::ui
