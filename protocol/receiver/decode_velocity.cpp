// Decoder of reports 0x43 (XYZ ECEF velocity) and 0x56 (ENU velocity).

#include <array>
#include <cmath>

#include "protocol/presentation/control_names.h"
#include "protocol/presentation/format.h"
#include "protocol/receiver/decoders.h"
#include "protocol/wire/report_velocity.h"

namespace navbin::reports {

namespace {

void ShowVelocityHeader(Display& display, const char* caption, const char* hint) {
  display.setText(Form::Main, names::Label_PanelVel, caption);
  display.setHint(Form::Main, names::Panel_Velocity, hint);
}

void ShowBiasRate(Display& display, double biasRate) {
  display.setText(Form::Bias, names::Panel_BiasRate, Format("%.2f", biasRate));
}

}  // namespace

void decodeXyzVelocity(DecoderContext& context, link::PortContext& port) {
  const auto report = ParseXyzVelocity(PacketPayload(port));
  if (!report) return;
  const double biasRate = MetresToNanoseconds(report->biasRate);
  VelocityFix& velocity = context.receiver(port).velocity;
  velocity.velX = report->velX;
  velocity.velY = report->velY;
  velocity.velZ = report->velZ;
  velocity.biasRate = static_cast<float>(biasRate);
  if (!context.shows(port)) return;

  Display& display = context.display;
  ShowVelocityHeader(display, "ECEF Velocity", "Velocity: Packet 43");
  static constexpr const char* kAxes[3] = {"X", "Y", "Z"};
  const float v[3] = {report->velX, report->velY, report->velZ};
  for (std::size_t i = 0; i < 3; ++i) {
    display.setText(Form::Main, rows::Panel_Vel[i], Format("%.2f", static_cast<double>(v[i])));
    display.setText(Form::Main, rows::Label_Vel[i], kAxes[i]);
  }
  ShowBiasRate(display, biasRate);
}

void decodeEnuVelocity(DecoderContext& context, link::PortContext& port) {
  const auto report = ParseEnuVelocity(PacketPayload(port));
  if (!report) return;
  const double biasRate = MetresToNanoseconds(report->biasRate);
  VelocityFix& velocity = context.receiver(port).velocity;
  velocity.velEast = report->velEast;
  velocity.velNorth = report->velNorth;
  velocity.velUp = report->velUp;
  velocity.biasRate = static_cast<float>(biasRate);
  if (!context.shows(port)) return;

  Display& display = context.display;
  ShowVelocityHeader(display, "ENU Velocity", "Velocity: Packet 56");
  static constexpr const char* kPositive[3] = {"East", "North", "Up"};
  static constexpr const char* kNegative[3] = {"West", "South", "Down"};
  const float axes[3] = {report->velEast, report->velNorth, report->velUp};
  for (std::size_t i = 0; i < 3; ++i) {
    const float v = axes[i];
    display.setText(Form::Main, rows::Panel_Vel[i],
                    Format("%.2f", static_cast<double>(std::fabs(v))));
    display.setText(Form::Main, rows::Label_Vel[i], v < 0 ? kNegative[i] : kPositive[i]);
  }
  ShowBiasRate(display, biasRate);
}

}  // namespace navbin::reports
