#include "ui/forms/log_format_form.h"

namespace navbin::ui {

TForm_LogFormat::TForm_LogFormat(QWidget* parent)
    : FormWindow("Form_LogFormat", "Data Logging Formats", parent) {
  setFixedSize(kPlaceholderSize);
}

}  // namespace navbin::ui
