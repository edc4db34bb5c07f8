#include "logging/log_panels.h"

#include "protocol/presentation/log_control_names.h"
#include "protocol/presentation/prompter.h"

namespace navbin::logging {

std::string_view RecordText(bool dataLogOn, bool rawLogOn) {
  if (rawLogOn) return dataLogOn ? "NavBin/Data" : "NavBin";
  return dataLogOn ? "Data" : "Off";
}

void ShowRecordState(reports::Display& display, bool dataLogOn, bool rawLogOn) {
  display.setText(reports::Form::Main, reports::names::Panel_Record,
                  std::string(RecordText(dataLogOn, rawLogOn)));
}

void ShowOnOff(reports::Display& display, reports::Form form, bool on) {
  display.setText(form, reports::names::Label_OnOff, on ? "On" : "Off");
  display.setColour(form, reports::names::Shape_OnOff,
                    on ? reports::Colour::Lime : reports::Colour::Gray);
}

void RefuseLongFileName(reports::Prompter& prompter, const std::string& name) {
  prompter.message("File name longer than 127 characters:\n" + name, "Error",
                   reports::Icon::Exclamation);
}

}  // namespace navbin::logging
