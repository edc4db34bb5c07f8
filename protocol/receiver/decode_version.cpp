// Decoder of report 0x45, software version (display port only).

#include "protocol/presentation/control_names.h"
#include "protocol/presentation/format.h"
#include "protocol/receiver/decoders.h"
#include "protocol/wire/report_version.h"

namespace navbin::reports {

namespace {

// Firmware from 1.12 on knows datums: its datum controls become usable.
bool KnowsDatums(int major, int minor) {
  return major > 1 || minor > 11;
}

}  // namespace

void decodeVersion(DecoderContext& context, link::PortContext& port) {
  if (!context.shows(port)) return;
  const auto r = ParseVersion(PacketPayload(port));
  if (!r) return;
  Display& display = context.display;

  const std::string version = Format("%d.%02d", r->major, r->minor);
  display.setText(Form::Product, names::Panel_NavVersion, version);
  display.setText(Form::Main, names::Panel_Version, version);
  display.setText(Form::Product, names::Panel_NavDate,
                  Format("%0d/%0d/%d", r->month, r->day, r->year));
  display.setText(Form::Product, names::Panel_SigVersion,
                  Format("%d.%02d", r->signalMajor, r->signalMinor));
  display.setText(Form::Product, names::Panel_SigDate,
                  Format("%0d/%0d/%d", r->signalMonth, r->signalDay, r->signalYear));

  if (KnowsDatums(r->major, r->minor)) {
    display.setEnabled(Form::IOOptions, names::Label_Datum, true);
    display.setEnabled(Form::IOOptions, names::ComboBox_Datum, true);
    display.setColour(Form::IOOptions, names::ComboBox_Datum, Colour::Window);
    display.setEnabled(Form::Main, names::Label_DatumMain, true);
    display.setColour(Form::Main, names::Panel_Datum, Colour::Window);
  }
}

}  // namespace navbin::reports
