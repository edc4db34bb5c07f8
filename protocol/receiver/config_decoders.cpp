// Configuration reports shown by the I/O options, time-from-PC, GPS and
// serial port dialogs and the main window, and the flash-saved message.

#include "protocol/receiver/config_decoders.h"

#include <span>

#include "protocol/presentation/config_control_names.h"
#include "protocol/presentation/config_lists.h"
#include "protocol/presentation/control_names.h"
#include "protocol/presentation/format.h"
#include "protocol/settings/datum.h"
#include "protocol/settings/gps_configuration.h"
#include "protocol/settings/io_options.h"
#include "protocol/settings/serial_port.h"
#include "protocol/wire/report_saved_to_flash.h"
#include "protocol/wire/report_set_time_reply.h"

namespace navbin::reports {

namespace {

std::span<const std::uint8_t> PayloadOf(const link::PortContext& port) {
  return {port.payload(), port.packetLen};
}

template <std::size_t N>
void Select(Display& display, Form form, ControlName control, int index,
            const std::array<std::string_view, N>& items) {
  display.setSelectedIndex(form, control, lists::ItemOrNone(index, items.size()));
}

int Bit(std::uint8_t byte, int bit) {
  return (byte >> bit) & 1;
}

// PPS output item of the timing byte: fix based wins over always off; other
// high bits name no item.
int PpsOutputItem(std::uint8_t timing) {
  if (timing & 0x20) return 1;
  if (timing & 0x40) return 2;
  if (timing & 0xF0) return -1;
  return 0;
}

template <std::size_t N>
int ProtocolItem(std::uint8_t mask, const std::array<int, N>& masks) {
  for (std::size_t i = 0; i < N; ++i) {
    if (masks[i] == mask) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

void decodeSetTimeReply(DecoderContext& context, link::PortContext& port) {
  const auto report = ParseSetTimeReply(PayloadOf(port));
  if (!report) return;
  context.receiver(port).configuration.setTimeReply = report;
  context.display.setColour(Form::InitialTime, names::Shape_TimeAccepted,
                            report->accepted() ? Colour::Lime : Colour::Red);
}

void decodeIoOptions(DecoderContext& context, link::PortContext& port) {
  const auto report = settings::Parse<settings::IoOptions>(PayloadOf(port));
  if (!report) return;
  context.receiver(port).configuration.ioOptions = report;
  Display& d = context.display;
  const std::uint8_t position = report->position;
  d.setSelectedIndex(Form::IOOptions, names::RadioGroup_Format, Bit(position, 1));
  d.setSelectedIndex(Form::IOOptions, names::RadioGroup_AltOut, Bit(position, 2));
  d.setSelectedIndex(Form::IOOptions, names::RadioGroup_AltIn, Bit(position, 3));
  d.setSelectedIndex(Form::IOOptions, names::RadioGroup_Precision, Bit(position, 4));
  d.setSelectedIndex(Form::IOOptions, names::RadioGroup_Velocity, Bit(report->velocity, 1));
  d.setSelectedIndex(Form::IOOptions, names::RadioGroup_Timing, Bit(report->timing, 0));
  d.setSelectedIndex(Form::IOOptions, names::RadioGroup_PPSOutput, PpsOutputItem(report->timing));

  // The main window names the altitude reference of LLA output and the time base.
  if (Bit(position, 1)) {
    const bool msl = Bit(position, 2);
    d.setText(Form::Main, names::Label_DatumMain, msl ? "MSL" : "HAE");
    d.setHint(Form::Main, names::Label_DatumMain,
              msl ? "Mean Sea Level (geoid)" : "Height Above Ellipsoid (datum)");
  } else {
    d.setText(Form::Main, names::Label_DatumMain, "");
    d.setHint(Form::Main, names::Label_DatumMain, "");
  }
  d.setText(Form::Main, names::Label_TimeMode, Bit(report->timing, 0) ? "UTC" : "GPS");
}

void decodeDatum(DecoderContext& context, link::PortContext& port) {
  const auto report = settings::Parse<settings::Datum>(PayloadOf(port));
  if (!report) return;
  context.receiver(port).configuration.datum = report;
  const int item = lists::ItemOrNone(report->datumIndex, lists::kDatums.size());
  context.display.setSelectedIndex(Form::IOOptions, names::ComboBox_Datum, item);
  // The main window shows what the list now shows.
  const std::string_view shown = item >= 0 ? lists::kDatums[item] : std::string_view();
  context.display.setText(Form::Main, names::Panel_Datum, std::string(shown));
}

void decodeGpsConfig(DecoderContext& context, link::PortContext& port) {
  const auto report = settings::Parse<settings::GpsConfiguration>(PayloadOf(port));
  if (!report) return;
  context.receiver(port).configuration.gps = report;
  Display& d = context.display;
  Select(d, Form::GPS, names::ComboBox_RMode, report->receiverMode, lists::kReceiverModes);
  Select(d, Form::GPS, names::ComboBox_DifMode, report->dgpsMode, lists::kDgpsModes);
  Select(d, Form::GPS, names::ComboBox_DCode, report->dynamicsCode, lists::kDynamicsCodes);
  d.setText(Form::GPS, names::Edit_EMask,
            Format("%0.1f", report->elevationMask * kDegreesPerRadian));
  d.setText(Form::GPS, names::Edit_SMask, Format("%0.1f", double(report->signalMask)));
  d.setText(Form::GPS, names::Edit_PMask, Format("%0.1f", double(report->pdopMask)));
  d.setText(Form::GPS, names::Edit_PSwitch, Format("%0.1f", double(report->pdopSwitch)));
  d.setText(Form::GPS, names::Edit_DGPSAge, Format("%d", report->dgpsAgeLimit));
}

void decodeSerialConfig(DecoderContext& context, link::PortContext& port) {
  const auto report = settings::Parse<settings::SerialPort>(PayloadOf(port));
  if (!report || report->port > 1) return;  // a port the dialog has no panel for
  context.receiver(port).configuration.serial[report->port] = report;
  const SerialPanelControls& panel = kSerialPanels[report->port];
  Display& d = context.display;
  Select(d, Form::Serial, panel.baudRate, report->inputBaud - lists::kFirstBaudCode,
         lists::kBaudRates);
  Select(d, Form::Serial, panel.dataBits, report->dataBits - lists::kFirstDataBitsCode,
         lists::kDataBits);
  Select(d, Form::Serial, panel.parity, report->parity, lists::kParities);
  Select(d, Form::Serial, panel.stopBits, report->stopBits, lists::kStopBits);
  d.setSelectedIndex(Form::Serial, panel.protocolIn,
                     ProtocolItem(report->inputProtocols, lists::kProtocolInMasks));
  d.setSelectedIndex(Form::Serial, panel.protocolOut,
                     ProtocolItem(report->outputProtocols, lists::kProtocolOutMasks));
}

void decodeSavedToFlash(DecoderContext& context, link::PortContext& port) {
  if (!ParseSavedToFlash(PayloadOf(port))) return;
  ++context.receiver(port).configuration.savedToFlash;
  // Any monitored port's receiver may confirm a save.
  context.prompter.message("Settings successfully saved to Flash.", "Success");
}

}  // namespace navbin::reports
