// Sending from the self-survey dialog.

#include "protocol/presentation/config_control_names.h"
#include "shell/config_dialogs.h"
#include "shell/decimal_text.h"

namespace navbin::shell {

namespace {
using reports::Form;
namespace names = reports::names;
}  // namespace

bool SendSelfSurvey(reports::Display& display, reports::Prompter& prompter,
                    commands::PacketSender& sender) {
  // The leading integer, white space before it skipped and whatever follows
  // ignored ("3600 fixes" is 3600), kept within the receiver's signed 32-bit
  // field. A text that does not start with one would leave the limit unknown:
  // refused, so the receiver never gets an arbitrary survey length.
  const std::string text = display.text(Form::SelfSurvey, names::Edit_Limit);
  const std::optional<int> limit = ScanDecimal(text);
  if (!limit) {
    prompter.message(NotAnIntegerValue(text), "Error", reports::Icon::Error);
    return false;
  }
  settings::SelfSurvey params;
  params.enable = display.checked(Form::SelfSurvey, names::CheckBox_EnableSurvey) ? 1 : 0;
  params.savePosition = display.checked(Form::SelfSurvey, names::CheckBox_Flag) ? 1 : 0;
  params.length = *limit;
  commands::SetSelfSurveyParameters(sender, commands::DISPLAY_PORT, params);
  return true;
}

}  // namespace navbin::shell
