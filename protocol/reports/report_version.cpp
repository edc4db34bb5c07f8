// Report 0x45, software version (display port only).

#include "protocol/reports/control_names.h"
#include "protocol/reports/decoders.h"
#include "protocol/reports/format.h"

namespace navbin::reports {
namespace {

// Firmware from 1.12 on knows datums: its datum controls become usable.
bool KnowsDatums(int major, int minor) {
  return major > 1 || minor > 11;
}

}  // namespace

void decodeVersion(DecoderContext& context, link::PortContext& port) {
  if (port.packetLen != kVersionLength || !context.isDisplayPort(port)) return;
  const std::uint8_t* b = port.payload();
  Display& display = context.display;

  const std::string version = Format("%d.%02d", b[0], b[1]);
  display.setText(Form::Product, names::Panel_NavVersion, version);
  display.setText(Form::Main, names::Panel_Version, version);
  display.setText(Form::Product, names::Panel_NavDate,
                  Format("%0d/%0d/%d", b[2], b[3], b[4] + 2000));
  display.setText(Form::Product, names::Panel_SigVersion, Format("%d.%02d", b[5], b[6]));
  display.setText(Form::Product, names::Panel_SigDate,
                  Format("%0d/%0d/%d", b[7], b[8], b[9] + 2000));

  if (KnowsDatums(b[0], b[1])) {
    display.setEnabled(Form::IOOptions, names::Label_Datum, true);
    display.setEnabled(Form::IOOptions, names::ComboBox_Datum, true);
    display.setColour(Form::IOOptions, names::ComboBox_Datum, Colour::Window);
    display.setEnabled(Form::Main, names::Label_DatumMain, true);
    display.setColour(Form::Main, names::Panel_Datum, Colour::Window);
  }
}

}  // namespace navbin::reports
