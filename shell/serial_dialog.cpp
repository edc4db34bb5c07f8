// The settings record of a panel of the serial port dialog.

#include <string>

#include "protocol/presentation/config_control_names.h"
#include "protocol/presentation/config_lists.h"
#include "shell/config_dialogs.h"
#include "shell/dialog_fields.h"

namespace navbin::shell {

namespace {
using reports::Form;
namespace lists = reports::lists;
constexpr const char* kCaption = "Serial Port Configuration";
}  // namespace

std::optional<settings::SerialPort> ReadSerialPanel(reports::Display& display,
                                                    reports::Prompter& prompter, int panel) {
  if (panel < 0 || panel > 1) return std::nullopt;
  const reports::SerialPanelControls& c = reports::kSerialPanels[panel];
  const std::string port = panel == 0 ? "Port 1" : "Port 2";
  struct Line {
    reports::ControlName control;
    const char* setting;
  };
  const Line lines[] = {{c.baudRate, " Baud Rate"},
                        {c.dataBits, " Data Bits"},
                        {c.parity, " Parity"},
                        {c.stopBits, " Stop Bits"}};
  int item[4] = {};
  for (int i = 0; i < 4; ++i) {
    const auto choice = ReadChoice(display, prompter, Form::Serial, lines[i].control,
                                   "The " + port + lines[i].setting, kCaption);
    if (!choice) return std::nullopt;
    item[i] = *choice;
  }
  settings::SerialPort record;
  record.port = static_cast<std::uint8_t>(panel);
  record.inputBaud = static_cast<std::uint8_t>(item[0] + lists::kFirstBaudCode);
  record.dataBits = static_cast<std::uint8_t>(item[1] + lists::kFirstDataBitsCode);
  record.parity = static_cast<std::uint8_t>(item[2]);
  record.stopBits = static_cast<std::uint8_t>(item[3]);
  const int in = display.selectedIndex(Form::Serial, c.protocolIn);
  const int out = display.selectedIndex(Form::Serial, c.protocolOut);
  constexpr int kNavBin = 0x02;
  record.inputProtocols = static_cast<std::uint8_t>(
      lists::ItemOrNone(in, lists::kProtocolInMasks.size()) < 0 ? kNavBin
                                                                : lists::kProtocolInMasks[in]);
  record.outputProtocols = static_cast<std::uint8_t>(
      lists::ItemOrNone(out, lists::kProtocolOutMasks.size()) < 0 ? kNavBin
                                                                  : lists::kProtocolOutMasks[out]);
  return record;
}

}  // namespace navbin::shell
