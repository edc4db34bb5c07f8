// Report 0x45, software version (display port only).

#include "protocol/reports/report_version.h"

#include "protocol/reports/control_names.h"
#include "protocol/reports/decoders.h"
#include "protocol/reports/format.h"
#include "protocol/reports/report_fields.h"

namespace navbin::reports {
namespace {

// Firmware from 1.12 on knows datums: its datum controls become usable.
bool KnowsDatums(int major, int minor) {
  return major > 1 || minor > 11;
}

}  // namespace

std::optional<VersionReport> ParseVersion(std::span<const std::uint8_t> payload) {
  if (payload.size() != 10) return std::nullopt;
  const std::uint8_t* b = payload.data();
  return VersionReport{b[0], b[1], b[2], b[3], b[4] + 2000, b[5], b[6], b[7], b[8], b[9] + 2000};
}

void Describe(const VersionReport& r, FieldSink& out) {
  out.field("major", r.major);
  out.field("minor", r.minor);
  out.field("month", r.month);
  out.field("day", r.day);
  out.field("year", r.year);
  out.field("signalMajor", r.signalMajor);
  out.field("signalMinor", r.signalMinor);
  out.field("signalMonth", r.signalMonth);
  out.field("signalDay", r.signalDay);
  out.field("signalYear", r.signalYear);
}

void decodeVersion(DecoderContext& context, link::PortContext& port) {
  if (!context.isDisplayPort(port)) return;
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
