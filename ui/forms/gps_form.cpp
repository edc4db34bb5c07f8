#include "ui/forms/gps_form.h"

namespace navbin::ui {

TForm_GPS::TForm_GPS(QWidget* parent) : FormWindow("Form_GPS", "Receiver Configuration", parent) {
  setFixedSize(kPlaceholderSize);
}

}  // namespace navbin::ui
