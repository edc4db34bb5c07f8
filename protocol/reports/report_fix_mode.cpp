// Report 0x6D: fix mode, dilutions of precision and the SVs used in the fix.

#include "protocol/reports/report_fix_mode.h"

#include <array>
#include <charconv>

#include "link/field_codec.h"
#include "protocol/reports/control_names.h"
#include "protocol/reports/decoders.h"
#include "protocol/reports/format.h"
#include "protocol/reports/report_fields.h"

namespace navbin::reports {
namespace {

constexpr std::size_t kFirstSvOffset = 17;

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

std::optional<FixModeReport> ParseFixMode(std::span<const std::uint8_t> payload) {
  if (payload.size() < kFirstSvOffset) return std::nullopt;
  const std::uint8_t* p = payload.data();
  return FixModeReport{p[0],
                       link::GetSingle(p + 1),
                       link::GetSingle(p + 5),
                       link::GetSingle(p + 9),
                       link::GetSingle(p + 13),
                       payload.subspan(kFirstSvOffset)};
}

void Describe(const FixModeReport& r, FieldSink& out) {
  out.field("fixMode", r.fixMode);
  out.field("dimension", r.dimension());
  out.field("svCount", r.svCount());
  out.field("pdop", r.pdop);
  out.field("hdop", r.hdop);
  out.field("vdop", r.vdop);
  out.field("tdop", r.tdop);
  // Every SV byte, signed, separated by blanks: at most 5 characters each.
  std::array<char, 5 * 512> svs;
  char* end = svs.data();
  for (std::uint8_t sv : r.fixSvs) {
    if (end != svs.data()) *end++ = ' ';
    end = std::to_chars(end, svs.data() + svs.size(), static_cast<std::int8_t>(sv)).ptr;
  }
  out.field("svs", std::string_view(svs.data(), static_cast<std::size_t>(end - svs.data())));
}

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
  if (!context.isDisplayPort(port)) return;

  Display& display = context.display;
  display.setText(Form::Main, names::Panel_RecMode,
                  Format("%d-D  (%d SV)", report->dimension(), report->svCount()));
  ShowDops(display, Form::Track, receiver);
  ShowDops(display, Form::Main, receiver);
  display.setText(Form::Track, names::Panel_SVSel, SvSelectionText(svs));
}

}  // namespace navbin::reports
