#include "ui/forms/eph_form.h"

namespace navbin::ui {

TForm_Eph::TForm_Eph(QWidget* parent) : FormWindow("Form_Eph", "Ephemeris Load Status", parent) {
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setSizeGripEnabled(true);
  resize(kPlaceholderSize);
}

}  // namespace navbin::ui
