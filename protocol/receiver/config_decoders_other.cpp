// Configuration reports shown by the filters, NavTxt, sensitivity, PPS,
// packet masks and self-survey dialogs.

#include <array>
#include <span>
#include <string>

#include "protocol/presentation/config_control_names.h"
#include "protocol/presentation/config_lists.h"
#include "protocol/presentation/format.h"
#include "protocol/receiver/config_decoders.h"
#include "protocol/settings/filters.h"
#include "protocol/settings/navtxt.h"
#include "protocol/settings/packet_masks.h"
#include "protocol/settings/pps_characteristics.h"
#include "protocol/settings/pps_output.h"
#include "protocol/settings/self_survey.h"
#include "protocol/settings/sensitivity.h"

namespace navbin::reports {

namespace {

std::span<const std::uint8_t> PayloadOf(const link::PortContext& port) {
  return {port.payload(), port.packetLen};
}

// The vehicle ID's characters up to the first zero byte, each byte a Latin-1
// character (in UTF-8, as the display takes text), so the dialog sends back
// the same bytes.
std::string VehicleIdText(const std::array<std::uint8_t, 4>& id) {
  std::string text;
  for (std::uint8_t c : id) {
    if (c == 0) break;
    if (c < 0x80) {
      text += static_cast<char>(c);
    } else {
      text += static_cast<char>(0xC0 | (c >> 6));
      text += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return text;
}

}  // namespace

void decodeFilter(DecoderContext& context, link::PortContext& port) {
  const auto report = settings::Parse<settings::Filters>(PayloadOf(port));
  if (!report) return;
  context.receiver(port).configuration.filter = report;
  Display& d = context.display;
  d.setChecked(Form::Filters, names::CheckBox_Dynamic, report->positionVelocity != 0);
  if (!d.checked(Form::Filters, names::CheckBox_Dynamic)) {
    d.setEnabled(Form::Filters, names::CheckBox_Static, false);
  }
  d.setChecked(Form::Filters, names::CheckBox_Static, report->staticFilter != 0);
  d.setChecked(Form::Filters, names::CheckBox_Altitude, report->altitude != 0);
}

void decodeNavTxtConfig(DecoderContext& context, link::PortContext& port) {
  const auto report = settings::Parse<settings::NavTxt>(PayloadOf(port));
  if (!report) return;
  context.receiver(port).configuration.navTxt = report;
  // The dialog talks to the display port: another receiver's settings stay out of it.
  if (!context.isDisplayPort(port)) return;
  Display& d = context.display;
  const ControlName flags[] = {names::CheckBox_ID, names::CheckBox_CS, names::CheckBox_EC,
                               names::CheckBox_FR, names::CheckBox_CR};
  for (int bit = 0; bit < 5; ++bit)
    d.setChecked(Form::NavTxt, flags[bit], (report->flags >> bit) & 1);
  d.setText(Form::NavTxt, names::Edit_TOH, Format("%d", report->topOfHourOffset));
  const ControlName periods[] = {names::Edit_AL, names::Edit_CP, names::Edit_ID, names::Edit_LN,
                                 names::Edit_PV, names::Edit_ST, names::Edit_TM, names::Edit_VR};
  for (std::size_t i = 0; i < report->periods.size(); ++i) {
    d.setText(Form::NavTxt, periods[i], Format("%d", report->periods[i]));
  }
  d.setText(Form::NavTxt, names::Edit_VehID, VehicleIdText(report->vehicleId));
}

void decodeSensitivity(DecoderContext& context, link::PortContext& port) {
  const auto report = settings::Parse<settings::Sensitivity>(PayloadOf(port));
  if (!report) return;
  context.receiver(port).configuration.sensitivity = report;
  context.display.setText(Form::Sensitivity, names::Panel_CurMode,
                          report->current ? " ON" : " OFF");
  context.display.setSelectedIndex(
      Form::Sensitivity, names::ComboBox_NewMode,
      lists::ItemOrNone(report->afterReset, lists::kSensitivityModes.size()));
}

void decodePpsCharacteristics(DecoderContext& context, link::PortContext& port) {
  const auto report = settings::Parse<settings::PpsCharacteristics>(PayloadOf(port));
  if (!report) return;
  context.receiver(port).configuration.ppsCharacteristics = report;
  if (!context.isDisplayPort(port)) return;  // as for 0x7F
  Display& d = context.display;
  d.setSelectedIndex(Form::PPSOutput, names::ComboBox_Switch,
                     lists::ItemOrNone(report->driverSwitch, lists::kPpsSwitch.size()));
  d.setSelectedIndex(Form::PPSOutput, names::ComboBox_TimeBase,
                     lists::ItemOrNone(report->timeBase, lists::kPpsTimeBase.size()));
  d.setSelectedIndex(Form::PPSOutput, names::ComboBox_Polarity,
                     lists::ItemOrNone(report->polarity, lists::kPpsPolarity.size()));
  d.setText(Form::PPSOutput, names::Edit_Offset, Format("%.3e", report->offset));
  d.setText(Form::PPSOutput, names::Edit_Bias, Format("%.2f", double(report->biasThreshold)));
}

void decodePpsOutput(DecoderContext& context, link::PortContext& port) {
  const auto report = settings::Parse<settings::PpsOutput>(PayloadOf(port));
  if (!report) return;
  context.receiver(port).configuration.ppsOutput = report;
  Display& d = context.display;
  d.setChecked(Form::PPSOutput, names::RadioButton_Always, report->code == 2);
  d.setChecked(Form::PPSOutput, names::RadioButton_1SV, report->code == 3);
  d.setChecked(Form::PPSOutput, names::RadioButton_3SV, report->code == 4);
}

void decodePacketMasks(DecoderContext& context, link::PortContext& port) {
  const auto report = settings::Parse<settings::PacketMasks>(PayloadOf(port));
  if (!report) return;
  context.receiver(port).configuration.packetMasks = report;
  Display& d = context.display;
  d.setChecked(Form::PacketMasks, names::CheckBox_B2Bit5, report->mask1 & 0x20);
  d.setChecked(Form::PacketMasks, names::CheckBox_B2Bit6, report->mask1 & 0x40);
  d.setChecked(Form::PacketMasks, names::CheckBox_B2Bit7, report->mask1 & 0x80);
}

void decodeSelfSurvey(DecoderContext& context, link::PortContext& port) {
  const auto report = settings::Parse<settings::SelfSurvey>(PayloadOf(port));
  if (!report) return;
  context.receiver(port).configuration.selfSurvey = report;
  Display& d = context.display;
  d.setChecked(Form::SelfSurvey, names::CheckBox_EnableSurvey, report->enable != 0);
  d.setChecked(Form::SelfSurvey, names::CheckBox_Flag, report->savePosition != 0);
  d.setText(Form::SelfSurvey, names::Edit_Limit, Format("%ld", static_cast<long>(report->length)));
}

}  // namespace navbin::reports
