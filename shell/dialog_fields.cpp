#include "shell/dialog_fields.h"

#include <string>

#include "shell/decimal_text.h"

namespace navbin::shell {

std::optional<double> ReadNumber(reports::Display& display, reports::Prompter& prompter,
                                 reports::Form form, reports::ControlName edit) {
  const std::string text = display.text(form, edit);
  const std::optional<double> value = ParseDecimalNumber(text);
  if (!value) prompter.message(NotAFloatingPointValue(text), "Error", reports::Icon::Error);
  return value;
}

std::optional<int> ReadChoice(reports::Display& display, reports::Prompter& prompter,
                              reports::Form form, reports::ControlName control,
                              std::string_view setting, std::string_view caption) {
  const int index = display.selectedIndex(form, control);
  if (index >= 0) return index;
  prompter.message(std::string(setting) +
                       " is not known yet: the receiver has not reported it. Choose a setting "
                       "first; nothing was sent.",
                   std::string(caption), reports::Icon::Exclamation);
  return std::nullopt;
}

std::uint8_t SelectedItemByte(reports::Display& display, reports::Form form,
                              reports::ControlName control) {
  const int index = display.selectedIndex(form, control);
  return index >= 0 && index <= 0xFF ? static_cast<std::uint8_t>(index) : 0xFF;
}

std::optional<int> ReadInteger(reports::Display& display, reports::Prompter& prompter,
                               reports::Form form, reports::ControlName edit) {
  const std::string text = display.text(form, edit);
  const std::optional<int> value = ParseDecimalInteger(text);
  if (!value) prompter.message(NotAnIntegerValue(text), "Error", reports::Icon::Error);
  return value;
}

}  // namespace navbin::shell
