#include "ui/forms/log_navbin_form.h"

namespace navbin::ui {

TForm_LogNavBin::TForm_LogNavBin(QWidget* parent)
    : FormWindow("Form_LogNavBin", "NavBin Logging Setup and Status", parent) {
  setFixedSize(kPlaceholderSize);
}

}  // namespace navbin::ui
