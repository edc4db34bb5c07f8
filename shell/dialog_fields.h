#pragma once
// Reading one control of a dialog for sending: a number from an edit, an item
// from a list or radio group. A failure is told to the user at once.

#include <cstdint>
#include <optional>
#include <string_view>

#include "protocol/presentation/display.h"
#include "protocol/presentation/prompter.h"

namespace navbin::shell {

// The edit's text as a decimal number, or nothing after the message
// "'%s' is not a valid floating point value".
std::optional<double> ReadNumber(reports::Display& display, reports::Prompter& prompter,
                                 reports::Form form, reports::ControlName edit);

// The selected item, or nothing after a message saying that `setting` is not
// known yet (no report has filled it and the user chose nothing).
std::optional<int> ReadChoice(reports::Display& display, reports::Prompter& prompter,
                              reports::Form form, reports::ControlName control,
                              std::string_view setting, std::string_view caption);

// The selected item as a byte; no selection (-1) goes out as 0xFF, which a
// receiver reads as "keep this setting".
std::uint8_t SelectedItemByte(reports::Display& display, reports::Form form,
                              reports::ControlName control);

// The edit's text as a decimal integer, or nothing after the message
// "'%s' is not a valid integer value".
std::optional<int> ReadInteger(reports::Display& display, reports::Prompter& prompter,
                               reports::Form form, reports::ControlName edit);

}  // namespace navbin::shell
