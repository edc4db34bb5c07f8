// Decoder of report 0x6D: fix mode, dilutions of precision and the SVs used in the fix.

#include <array>
#include <charconv>

#include "protocol/presentation/control_names.h"
#include "protocol/presentation/format.h"
#include "protocol/receiver/decoders.h"
#include "protocol/wire/report_fix_mode.h"

namespace navbin::reports {

namespace {

// "%4d" of each SV byte's unsigned value, at most kChannelCount of them.
std::string SvSelectionText(std::span<const std::uint8_t> svs) {
  std::string text;
  for (std::uint8_t sv : svs) text += Format("%4d", sv);
  return text;
}

void ShowDops(Display& display, Form form, const ReceiverState& r) {
  display.setText(form, names::Panel_PDOP, Format("%.1f", static_cast<double>(r.pdop)));
  display.setText(form, names::Panel_HDOP, Format("%.1f", static_cast<double>(r.hdop)));
  display.setText(form, names::Panel_VDOP, Format("%.1f", static_cast<double>(r.vdop)));
  display.setText(form, names::Panel_TDOP, Format("%.1f", static_cast<double>(r.tdop)));
}

}  // namespace

void decodeFixMode(DecoderContext& context, link::PortContext& port) {
  const auto report = ParseFixMode(PacketPayload(port));
  if (!report) return;
  // Receivers may list more SVs than there are channels: the first 12 count.
  const auto svs =
      report->fixSvs.first(std::min<std::size_t>(report->fixSvs.size(), kChannelCount));

  ReceiverState& receiver = context.receiver(port);
  receiver.fixSvs.fill(0);
  for (std::size_t i = 0; i < svs.size(); ++i) {
    receiver.fixSvs[i] = static_cast<std::int8_t>(svs[i]);
  }
  receiver.fixMode = report->fixMode;
  receiver.pdop = report->pdop;
  receiver.hdop = report->hdop;
  receiver.vdop = report->vdop;
  receiver.tdop = report->tdop;
  if (!context.shows(port)) return;

  Display& display = context.display;
  display.setText(Form::Main, names::Panel_RecMode,
                  Format("%d-D  (%d SV)", report->dimension(), report->svCount()));
  ShowDops(display, Form::Track, receiver);
  ShowDops(display, Form::Main, receiver);
  display.setText(Form::Track, names::Panel_SVSel, SvSelectionText(svs));
}

}  // namespace navbin::reports
