#include "ui/forms/navtxt_form.h"

namespace navbin::ui {

TForm_NavTxt::TForm_NavTxt(QWidget* parent)
    : FormWindow("Form_NavTxt", "NavTxt Configuration", parent) {
  setFixedSize(kPlaceholderSize);
}

}  // namespace navbin::ui
