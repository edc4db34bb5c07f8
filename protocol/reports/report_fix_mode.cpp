// Report 0x6D: fix mode, dilutions of precision and the SVs used in the fix.

#include "link/field_codec.h"
#include "protocol/reports/control_names.h"
#include "protocol/reports/decoders.h"
#include "protocol/reports/format.h"

namespace navbin::reports {
namespace {

constexpr std::uint32_t kFirstSvOffset = 17;

// "%4d" of each SV byte's unsigned value, at most kChannelCount of them.
std::string SvSelectionText(const std::uint8_t* svs, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += Format("%4d", svs[i]);
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
  if (port.packetLen < kFixModeMinLength) return;
  const std::uint8_t* p = port.payload();
  // Receivers may list more SVs than there are channels: the first 12 count.
  std::size_t svCount = port.packetLen - kFixModeMinLength;
  if (svCount > kChannelCount) svCount = kChannelCount;

  ReceiverState& receiver = context.receiver(port);
  receiver.fixSvs.fill(0);
  for (std::size_t i = 0; i < svCount; ++i) {
    receiver.fixSvs[i] = static_cast<std::int8_t>(p[kFirstSvOffset + i]);
  }
  receiver.fixMode = p[0];
  receiver.pdop = link::GetSingle(p + 1);
  receiver.hdop = link::GetSingle(p + 5);
  receiver.vdop = link::GetSingle(p + 9);
  receiver.tdop = link::GetSingle(p + 13);
  if (!context.isDisplayPort(port)) return;

  Display& display = context.display;
  display.setText(Form::Main, names::Panel_RecMode,
                  Format("%d-D  (%d SV)", (p[0] & 7) - 1, p[0] >> 4));
  ShowDops(display, Form::Track, receiver);
  ShowDops(display, Form::Main, receiver);
  display.setText(Form::Track, names::Panel_SVSel, SvSelectionText(p + kFirstSvOffset, svCount));
}

}  // namespace navbin::reports
