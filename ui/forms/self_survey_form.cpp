#include "ui/forms/self_survey_form.h"

namespace navbin::ui {

TForm_SelfSurvey::TForm_SelfSurvey(QWidget* parent)
    : FormWindow("Form_SelfSurvey", "Self Survey", parent) {
  setFixedSize(kPlaceholderSize);
}

}  // namespace navbin::ui
