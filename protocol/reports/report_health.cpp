// Reports 0x46 (receiver health), 0x4B (machine code and status) and 0x82
// (DGPS mode).

#include "protocol/reports/report_health.h"

#include "protocol/reports/control_names.h"
#include "protocol/reports/decoders.h"
#include "protocol/reports/report_fields.h"
#include "protocol/reports/status_texts.h"

namespace navbin::reports {
namespace {

// One status light and its label: yellow with `setText` when the bit is set,
// green with `clearText` otherwise.
void ShowLight(Display& display, std::string_view shape, std::string_view label, bool set,
               const char* setText, const char* clearText) {
  display.setColour(Form::Main, shape, set ? Colour::Yellow : Colour::Lime);
  display.setText(Form::Main, label, set ? setText : clearText);
}

}  // namespace

std::optional<HealthReport> ParseHealth(std::span<const std::uint8_t> payload) {
  if (payload.size() != 2) return std::nullopt;
  return HealthReport{payload[0], payload[1]};
}

std::optional<MachineStatusReport> ParseMachineStatus(std::span<const std::uint8_t> payload) {
  if (payload.size() != 3) return std::nullopt;
  return MachineStatusReport{payload[0], payload[1]};
}

std::optional<DgpsModeReport> ParseDgpsMode(std::span<const std::uint8_t> payload) {
  if (payload.size() != 1) return std::nullopt;
  return DgpsModeReport{payload[0]};
}

void Describe(const HealthReport& r, FieldSink& out) {
  out.field("statusCode", r.statusCode);
  out.field("status", StatusText(r.statusCode));
  out.field("errorBits", r.errorBits);
}

void Describe(const MachineStatusReport& r, FieldSink& out) {
  out.field("machineId", r.machineId);
  out.field("statusBits", r.statusBits);
}

void Describe(const DgpsModeReport& r, FieldSink& out) {
  out.field("dgpsMode", r.dgpsMode);
  out.field("dgps", DgpsModeText(r.dgpsMode));
}

void decodeHealth(DecoderContext& context, link::PortContext& port) {
  const auto report = ParseHealth(PacketPayload(port));
  if (!report) return;
  const auto [status, errors] = *report;
  ReceiverState& receiver = context.receiver(port);
  receiver.statusCode = status;
  receiver.errorBits = errors;
  if (!context.isDisplayPort(port)) return;

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
  if (!context.isDisplayPort(port)) return;

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
  if (!context.isDisplayPort(port)) return;
  context.display.setText(Form::Main, names::Panel_DGPS, DgpsModeText(mode));
}

}  // namespace navbin::reports
