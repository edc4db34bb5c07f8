// Reports 0x43 (XYZ ECEF velocity) and 0x56 (ENU velocity).

#include <cmath>

#include "link/field_codec.h"
#include "protocol/reports/control_names.h"
#include "protocol/reports/decoders.h"
#include "protocol/reports/format.h"

namespace navbin::reports {
namespace {

struct VelocityReport {
  float v[3];
  double biasRate;  // ns/s
};

VelocityReport ReadVelocity(const std::uint8_t* p) {
  return {{link::GetSingle(p), link::GetSingle(p + 4), link::GetSingle(p + 8)},
          MetresToNanoseconds(link::GetSingle(p + 12))};
}

void ShowVelocityHeader(Display& display, const char* caption, const char* hint) {
  display.setText(Form::Main, names::Label_PanelVel, caption);
  display.setHint(Form::Main, names::Panel_Velocity, hint);
}

void ShowBiasRate(Display& display, double biasRate) {
  display.setText(Form::Bias, names::Panel_BiasRate, Format("%.2f", biasRate));
}

}  // namespace

void decodeXyzVelocity(DecoderContext& context, link::PortContext& port) {
  if (port.packetLen != kVelocityLength) return;
  const VelocityReport report = ReadVelocity(port.payload());
  VelocityFix& velocity = context.receiver(port).velocity;
  velocity.velX = report.v[0];
  velocity.velY = report.v[1];
  velocity.velZ = report.v[2];
  velocity.biasRate = static_cast<float>(report.biasRate);
  if (!context.isDisplayPort(port)) return;

  Display& display = context.display;
  ShowVelocityHeader(display, "ECEF Velocity", "Velocity: Packet 43");
  static constexpr const char* kAxes[3] = {"X", "Y", "Z"};
  for (std::size_t i = 0; i < 3; ++i) {
    display.setText(Form::Main, rows::Panel_Vel[i],
                    Format("%.2f", static_cast<double>(report.v[i])));
    display.setText(Form::Main, rows::Label_Vel[i], kAxes[i]);
  }
  ShowBiasRate(display, report.biasRate);
}

void decodeEnuVelocity(DecoderContext& context, link::PortContext& port) {
  if (port.packetLen != kVelocityLength) return;
  const VelocityReport report = ReadVelocity(port.payload());
  VelocityFix& velocity = context.receiver(port).velocity;
  velocity.velEast = report.v[0];
  velocity.velNorth = report.v[1];
  velocity.velUp = report.v[2];
  velocity.biasRate = static_cast<float>(report.biasRate);
  if (!context.isDisplayPort(port)) return;

  Display& display = context.display;
  ShowVelocityHeader(display, "ENU Velocity", "Velocity: Packet 56");
  static constexpr const char* kPositive[3] = {"East", "North", "Up"};
  static constexpr const char* kNegative[3] = {"West", "South", "Down"};
  for (std::size_t i = 0; i < 3; ++i) {
    const float v = report.v[i];
    display.setText(Form::Main, rows::Panel_Vel[i],
                    Format("%.2f", static_cast<double>(std::fabs(v))));
    display.setText(Form::Main, rows::Label_Vel[i], v < 0 ? kNegative[i] : kPositive[i]);
  }
  ShowBiasRate(display, report.biasRate);
}

}  // namespace navbin::reports
