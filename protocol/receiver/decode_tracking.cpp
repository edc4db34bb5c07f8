// Decoder of report 0x5C, satellite tracking status of one channel, and the ageing of

#include <cmath>

#include "protocol/presentation/control_names.h"
#include "protocol/presentation/format.h"
#include "protocol/receiver/age_channels.h"
#include "protocol/receiver/decoders.h"
#include "protocol/receiver/fix_sv_colour.h"
#include "protocol/wire/report_tracking.h"

namespace navbin::reports {

namespace {

// A channel row shows its last report for this many ageing steps.
constexpr std::int32_t kChannelLifetime = 5;
// Main-window rows 9 to 12 (channels 8 to 11) turn grey while none reports.
constexpr std::size_t kFirstLowerChannel = 8;

void KeepWeakestLevel(ChannelTrack& channel, std::uint8_t sv, float level) {
  channel.currentSv = sv;
  channel.currentLevel = level;
  if (channel.resetPending) {
    channel.resetPending = 0;
    channel.minSv = sv;
    channel.minLevel = level;
  } else if (std::fabs(channel.minLevel) > std::fabs(level)) {
    channel.minSv = sv;
    channel.minLevel = level;
  }
}

Colour AcquisitionColour(std::uint8_t flag) {
  if (flag == 0) return Colour::Yellow;
  return flag == 1 ? Colour::Lime : Colour::Aqua;
}

std::string OneDecimal(double value) {
  return Format("%.1f", value);
}

void ShowChannelRow(Display& display, std::size_t k, const TrackingStatusReport& r) {
  const std::string sv = Format("%d", r.sv);
  display.setText(Form::Track, rows::Panel_SV[k], sv);
  display.setText(Form::Main, rows::Panel_SV[k], sv);
  display.setColour(Form::Track, rows::Shape_Acq[k], AcquisitionColour(r.acquisition));
  display.setColour(Form::Track, rows::Shape_Eph[k],
                    r.ephemeris != 0 ? Colour::Lime : Colour::Yellow);
  const std::string level = OneDecimal(r.level);
  display.setText(Form::Track, rows::Panel_Amu[k], level);
  display.setText(Form::Main, rows::Panel_AMU[k], level);
  display.setText(Form::Track, rows::Panel_Time[k], OneDecimal(r.timeOfMeasurement));
  const std::string elevation = OneDecimal(r.elevation * kDegreesPerRadian);
  display.setText(Form::Track, rows::Panel_Elev[k], elevation);
  display.setText(Form::Main, rows::Panel_EL[k], elevation);
  const std::string azimuth = OneDecimal(r.azimuth * kDegreesPerRadian);
  display.setText(Form::Track, rows::Panel_Azim[k], azimuth);
  display.setText(Form::Main, rows::Panel_AZ[k], azimuth);
}

// Main rows 9 to 12 come back from grey; an SV panel that shows a fix colour
// keeps it.
void WakeLowerRows(Display& display) {
  for (std::size_t k = kFirstLowerChannel; k < kChannelCount; ++k) {
    if (display.colour(Form::Main, rows::Panel_SV[k]) == Colour::ButtonFace) {
      display.setColour(Form::Main, rows::Panel_SV[k], Colour::Window);
    }
    display.setColour(Form::Main, rows::Panel_AMU[k], Colour::Window);
    display.setColour(Form::Main, rows::Panel_AZ[k], Colour::Window);
    display.setColour(Form::Main, rows::Panel_EL[k], Colour::Window);
  }
}

void BlankChannelRow(Display& display, std::size_t k) {
  for (auto column : {&rows::Panel_SV, &rows::Panel_Amu, &rows::Panel_Time, &rows::Panel_Elev,
                      &rows::Panel_Azim}) {
    display.setText(Form::Track, (*column)[k], "");
  }
  for (auto column : {&rows::Panel_SV, &rows::Panel_AMU, &rows::Panel_EL, &rows::Panel_AZ}) {
    display.setText(Form::Main, (*column)[k], "");
  }
  display.setColour(Form::Main, rows::Panel_SV[k], Colour::Window);
  display.setColour(Form::Track, rows::Shape_Acq[k], Colour::Gray);
  display.setColour(Form::Track, rows::Shape_Eph[k], Colour::Gray);
}

void GreyLowerRows(Display& display) {
  for (std::size_t k = kFirstLowerChannel; k < kChannelCount; ++k) {
    for (auto column : {&rows::Panel_SV, &rows::Panel_AMU, &rows::Panel_AZ, &rows::Panel_EL}) {
      display.setColour(Form::Main, (*column)[k], Colour::ButtonFace);
    }
  }
}

}  // namespace

void decodeTrackingStatus(DecoderContext& context, link::PortContext& port) {
  const auto parsed = ParseTrackingStatus(PacketPayload(port));
  if (!parsed || parsed->channel >= kChannelCount) return;
  const TrackingStatusReport& report = *parsed;
  const std::size_t k = report.channel;
  // The ages belong to the main window's rows, so every port refreshes them.
  context.state.globals.channelAge[k] = kChannelLifetime;
  KeepWeakestLevel(context.receiver(port).channels[k], report.sv, report.level);
  if (!context.shows(port)) return;

  ShowChannelRow(context.display, k, report);
  if (k >= kFirstLowerChannel) WakeLowerRows(context.display);
  showFixSvColour(context, report.sv, static_cast<int>(port.portIndex), rows::Panel_SV[k]);
}

void ageChannels(DecoderContext& context) {
  auto& age = context.state.globals.channelAge;
  bool aged = false;
  for (std::size_t k = 0; k < kChannelCount; ++k) {
    if (age[k] <= 0) continue;
    aged = true;
    if (--age[k] == 0) BlankChannelRow(context.display, k);
  }
  // Ages only fall, so testing once after the walk finds what a test after
  // each aged row would have found last.
  if (!aged) return;
  for (std::size_t k = kFirstLowerChannel; k < kChannelCount; ++k) {
    if (age[k] != 0) return;
  }
  GreyLowerRows(context.display);
}

}  // namespace navbin::reports
