#include "ui/forms/gen_navbin_form.h"

namespace navbin::ui {

TForm_GenNavBin::TForm_GenNavBin(QWidget* parent)
    : FormWindow("Form_GenNavBin", "Send Generic NavBin Command", parent) {
  setFixedSize(kPlaceholderSize);
}

}  // namespace navbin::ui
