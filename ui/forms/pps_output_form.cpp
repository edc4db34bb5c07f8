#include "ui/forms/pps_output_form.h"

namespace navbin::ui {

TForm_PPSOutput::TForm_PPSOutput(QWidget* parent)
    : FormWindow("Form_PPSOutput", "PPS Characteristics", parent) {
  setFixedSize(kPlaceholderSize);
}

}  // namespace navbin::ui
