// Decoder of reports 0x46 (receiver health), 0x4B (machine code and status) and 0x82

#include "protocol/presentation/control_names.h"
#include "protocol/receiver/decoders.h"
#include "protocol/wire/report_health.h"
#include "protocol/wire/status_texts.h"

namespace navbin::reports {

namespace {

// One status light and its label: yellow with `setText` when the bit is set,
// green with `clearText` otherwise.
void ShowLight(Display& display, ControlName shape, ControlName label, bool set,
               const char* setText, const char* clearText) {
  display.setColour(Form::Main, shape, set ? Colour::Yellow : Colour::Lime);
  display.setText(Form::Main, label, set ? setText : clearText);
}

}  // namespace

void decodeHealth(DecoderContext& context, link::PortContext& port) {
  const auto report = ParseHealth(PacketPayload(port));
  if (!report) return;
  const auto [status, errors] = *report;
  ReceiverState& receiver = context.receiver(port);
  receiver.statusCode = status;
  receiver.errorBits = errors;
  if (!context.shows(port)) return;

  Display& display = context.display;
  display.setText(Form::Main, names::Panel_Health, StatusText(status));
  ShowLight(display, names::Shape_Err1, names::Label_BBRAMLed, errors & 0x01,
            "not available at start", "available at start");
  const bool antennaFault = errors & 0x10;
  display.setColour(Form::Main, names::Shape_Err2, antennaFault ? Colour::Red : Colour::Lime);
  const char* antenna = "feed line OK";
  if (antennaFault) antenna = (errors & 0x20) ? "feed line short" : "feed line open";
  display.setText(Form::Main, names::Label_AntennaLed, antenna);
}

void decodeMachineStatus(DecoderContext& context, link::PortContext& port) {
  const auto report = ParseMachineStatus(PacketPayload(port));
  if (!report) return;
  const std::uint8_t bits = report->statusBits;
  context.receiver(port).statusBits = bits;
  if (!context.shows(port)) return;

  Display& display = context.display;
  ShowLight(display, names::Shape_Err3, names::Label_RTCLed, bits & 0x02, "not available at start",
            "available at start");
  ShowLight(display, names::Shape_Err4, names::Label_AlmanacLed, bits & 0x08,
            "not complete && current", "complete && current");
}

void decodeDgpsMode(DecoderContext& context, link::PortContext& port) {
  const auto report = ParseDgpsMode(PacketPayload(port));
  if (!report) return;
  const std::uint8_t mode = report->dgpsMode;
  context.receiver(port).dgpsMode = mode;
  if (!context.shows(port)) return;
  context.display.setText(Form::Main, names::Panel_DGPS, DgpsModeText(mode));
}

}  // namespace navbin::reports
