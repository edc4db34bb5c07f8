#pragma once
// Names of the window controls that the report layer writes through Display.
// Each is the objectName of the widget in its window, so the Qt windows and the
// report decoders meet on exactly these strings. kReportControls lists every
// (window, control) pair the report layer touches; the windows must have them.
//
// Main window (Form::Main):
//   status row     Shape_RxLED, Panel_Version
//   timing         Panel_Week, Panel_Date, Panel_Time, Panel_TOW, Label_TimeMode,
//                  Panel_SuperTime, Panel_SuperTOW, Label_SuperTimeMode
//   position       Panel_Position (hint), Label_PanelPos, Label_Lat_X, Label_Lon_Y,
//                  Label_Alt_Z, Label_Pmode1, Label_Pmode2, Panel_LatDeg, Panel_LatMin,
//                  Panel_NorthSouth, Panel_LonDeg, Panel_LonMin, Panel_EastWest, Panel_X,
//                  Panel_Y, Panel_Alt_Z, Panel_SuperLat, Panel_SuperLon, Panel_SuperAlt,
//                  Label_DatumMain, Panel_Datum
//   change in pos. Panel_DeltaLat, Panel_DeltaLon, Panel_Disable, Panel_Disable2
//   velocity       Panel_Velocity (hint), Label_PanelVel, Panel_Vel1..3, Label_Vel1..3
//   status         Panel_RecMode, Panel_SuperReceiverMode, Panel_Health, Panel_DGPS,
//                  Shape_Err1 + Label_BBRAMLed, Shape_Err2 + Label_AntennaLed,
//                  Shape_Err3 + Label_RTCLed, Shape_Err4 + Label_AlmanacLed
//   satellites     Panel_SV1..12, Panel_AMU1..12, Panel_AZ1..12, Panel_EL1..12
//   DOPs           Panel_PDOP, Panel_HDOP, Panel_VDOP, Panel_TDOP
// Tracking window (Form::Track): Panel_SV1..12, Shape_Acq1..12, Shape_Eph1..12,
//   Panel_Amu1..12, Panel_Time1..12, Panel_Elev1..12, Panel_Azim1..12, Panel_SVSel,
//   Panel_PDOP, Panel_HDOP, Panel_VDOP, Panel_TDOP
// Clock bias window (Form::Bias): Panel_Bias, Panel_BiasRate
// Product information window (Form::Product): Panel_NavVersion, Panel_NavDate,
//   Panel_SigVersion, Panel_SigDate
// Data log window (Form::Log): CheckBox_Bias (read with checked(), enabled, unchecked)
// I/O options dialog (Form::IOOptions): Label_Datum, ComboBox_Datum
// Timing packets window (Form::TimingPackets): Panel_TOW, Panel_Time, Panel_Date
//   (names shared with the main window), Panel_WeekNum, Panel_UTCOffset, Label_TimeType,
//   Panel_PPSOffset, Panel_10MHz, Panel_Quantization, Shape_PPS, Shape_Bit3, Shape_Bit5..11,
//   Panel_Mode, Panel_Status, Panel_Latitude, Panel_Longitude, Panel_Altitude, Panel_SelfSurvey
//
// Label texts may hold "&&" ("complete && current"): a label shows it as one "&".

#include <array>
#include <span>
#include <string_view>

#include "protocol/presentation/control_name.h"
#include "protocol/presentation/display.h"

namespace navbin::reports {

namespace names {
// Main window.
inline constexpr ControlName Shape_RxLED{"Shape_RxLED"};
inline constexpr ControlName Panel_Version{"Panel_Version"};
inline constexpr ControlName Panel_Week{"Panel_Week"};
inline constexpr ControlName Panel_Date{"Panel_Date"};
inline constexpr ControlName Panel_Time{"Panel_Time"};
inline constexpr ControlName Panel_TOW{"Panel_TOW"};
inline constexpr ControlName Label_TimeMode{"Label_TimeMode"};
inline constexpr ControlName Panel_SuperTime{"Panel_SuperTime"};
inline constexpr ControlName Panel_SuperTOW{"Panel_SuperTOW"};
inline constexpr ControlName Label_SuperTimeMode{"Label_SuperTimeMode"};
inline constexpr ControlName Panel_Position{"Panel_Position"};
inline constexpr ControlName Label_PanelPos{"Label_PanelPos"};
inline constexpr ControlName Label_Lat_X{"Label_Lat_X"};
inline constexpr ControlName Label_Lon_Y{"Label_Lon_Y"};
inline constexpr ControlName Label_Alt_Z{"Label_Alt_Z"};
inline constexpr ControlName Label_Pmode1{"Label_Pmode1"};
inline constexpr ControlName Label_Pmode2{"Label_Pmode2"};
inline constexpr ControlName Panel_LatDeg{"Panel_LatDeg"};
inline constexpr ControlName Panel_LatMin{"Panel_LatMin"};
inline constexpr ControlName Panel_NorthSouth{"Panel_NorthSouth"};
inline constexpr ControlName Panel_LonDeg{"Panel_LonDeg"};
inline constexpr ControlName Panel_LonMin{"Panel_LonMin"};
inline constexpr ControlName Panel_EastWest{"Panel_EastWest"};
inline constexpr ControlName Panel_X{"Panel_X"};
inline constexpr ControlName Panel_Y{"Panel_Y"};
inline constexpr ControlName Panel_Alt_Z{"Panel_Alt_Z"};
inline constexpr ControlName Panel_SuperLat{"Panel_SuperLat"};
inline constexpr ControlName Panel_SuperLon{"Panel_SuperLon"};
inline constexpr ControlName Panel_SuperAlt{"Panel_SuperAlt"};
inline constexpr ControlName Label_DatumMain{"Label_DatumMain"};
inline constexpr ControlName Panel_Datum{"Panel_Datum"};
inline constexpr ControlName Panel_DeltaLat{"Panel_DeltaLat"};
inline constexpr ControlName Panel_DeltaLon{"Panel_DeltaLon"};
inline constexpr ControlName Panel_Disable{"Panel_Disable"};
inline constexpr ControlName Panel_Disable2{"Panel_Disable2"};
inline constexpr ControlName Panel_Velocity{"Panel_Velocity"};
inline constexpr ControlName Label_PanelVel{"Label_PanelVel"};
inline constexpr ControlName Panel_RecMode{"Panel_RecMode"};
inline constexpr ControlName Panel_SuperReceiverMode{"Panel_SuperReceiverMode"};
inline constexpr ControlName Panel_Health{"Panel_Health"};
inline constexpr ControlName Panel_DGPS{"Panel_DGPS"};
inline constexpr ControlName Shape_Err1{"Shape_Err1"};
inline constexpr ControlName Shape_Err2{"Shape_Err2"};
inline constexpr ControlName Shape_Err3{"Shape_Err3"};
inline constexpr ControlName Shape_Err4{"Shape_Err4"};
inline constexpr ControlName Label_BBRAMLed{"Label_BBRAMLed"};
inline constexpr ControlName Label_AntennaLed{"Label_AntennaLed"};
inline constexpr ControlName Label_RTCLed{"Label_RTCLed"};
inline constexpr ControlName Label_AlmanacLed{"Label_AlmanacLed"};
// Main and tracking windows both.
inline constexpr ControlName Panel_PDOP{"Panel_PDOP"};
inline constexpr ControlName Panel_HDOP{"Panel_HDOP"};
inline constexpr ControlName Panel_VDOP{"Panel_VDOP"};
inline constexpr ControlName Panel_TDOP{"Panel_TDOP"};
// Tracking window.
inline constexpr ControlName Panel_SVSel{"Panel_SVSel"};
// Clock bias window.
inline constexpr ControlName Panel_Bias{"Panel_Bias"};
inline constexpr ControlName Panel_BiasRate{"Panel_BiasRate"};
// Product information window.
inline constexpr ControlName Panel_NavVersion{"Panel_NavVersion"};
inline constexpr ControlName Panel_NavDate{"Panel_NavDate"};
inline constexpr ControlName Panel_SigVersion{"Panel_SigVersion"};
inline constexpr ControlName Panel_SigDate{"Panel_SigDate"};
// Data log window.
inline constexpr ControlName CheckBox_Bias{"CheckBox_Bias"};
// I/O options dialog.
inline constexpr ControlName Label_Datum{"Label_Datum"};
inline constexpr ControlName ComboBox_Datum{"ComboBox_Datum"};
// Timing packets window.
inline constexpr ControlName Panel_WeekNum{"Panel_WeekNum"};
inline constexpr ControlName Panel_UTCOffset{"Panel_UTCOffset"};
inline constexpr ControlName Label_TimeType{"Label_TimeType"};
inline constexpr ControlName Panel_PPSOffset{"Panel_PPSOffset"};
inline constexpr ControlName Panel_10MHz{"Panel_10MHz"};
inline constexpr ControlName Panel_Quantization{"Panel_Quantization"};
inline constexpr ControlName Shape_PPS{"Shape_PPS"};
inline constexpr ControlName Shape_Bit3{"Shape_Bit3"};
inline constexpr ControlName Shape_Bit5{"Shape_Bit5"};
inline constexpr ControlName Shape_Bit6{"Shape_Bit6"};
inline constexpr ControlName Shape_Bit7{"Shape_Bit7"};
inline constexpr ControlName Shape_Bit8{"Shape_Bit8"};
inline constexpr ControlName Shape_Bit9{"Shape_Bit9"};
inline constexpr ControlName Shape_Bit10{"Shape_Bit10"};
inline constexpr ControlName Shape_Bit11{"Shape_Bit11"};
inline constexpr ControlName Panel_Mode{"Panel_Mode"};
inline constexpr ControlName Panel_Status{"Panel_Status"};
inline constexpr ControlName Panel_Latitude{"Panel_Latitude"};
inline constexpr ControlName Panel_Longitude{"Panel_Longitude"};
inline constexpr ControlName Panel_Altitude{"Panel_Altitude"};
inline constexpr ControlName Panel_SelfSurvey{"Panel_SelfSurvey"};
}  // namespace names

// Controls that come in numbered rows or triples, indexed from 0: element k is
// the control whose name ends in k + 1 (Panel_SV1 is rows::Panel_SV[0]).
namespace rows {
// Main window velocity panels and their direction labels.
inline constexpr auto Panel_Vel = Row<"Panel_Vel", 3>;
inline constexpr auto Label_Vel = Row<"Label_Vel", 3>;
// Main window channel rows.
inline constexpr auto Panel_AMU = Row<"Panel_AMU", 12>;
inline constexpr auto Panel_AZ = Row<"Panel_AZ", 12>;
inline constexpr auto Panel_EL = Row<"Panel_EL", 12>;
// Main and tracking windows both.
inline constexpr auto Panel_SV = Row<"Panel_SV", 12>;
// Tracking window channel rows.
inline constexpr auto Shape_Acq = Row<"Shape_Acq", 12>;
inline constexpr auto Shape_Eph = Row<"Shape_Eph", 12>;
inline constexpr auto Panel_Amu = Row<"Panel_Amu", 12>;
inline constexpr auto Panel_Time = Row<"Panel_Time", 12>;
inline constexpr auto Panel_Elev = Row<"Panel_Elev", 12>;
inline constexpr auto Panel_Azim = Row<"Panel_Azim", 12>;
}  // namespace rows

// One control of one window.
struct FormControl {
  Form form;
  ControlName name;
};

// Every single (not row) control the report layer writes or reads.
inline constexpr FormControl kReportControls[] = {
    {Form::Main, names::Shape_RxLED},
    {Form::Main, names::Panel_Version},
    {Form::Main, names::Panel_Week},
    {Form::Main, names::Panel_Date},
    {Form::Main, names::Panel_Time},
    {Form::Main, names::Panel_TOW},
    {Form::Main, names::Label_TimeMode},
    {Form::Main, names::Panel_SuperTime},
    {Form::Main, names::Panel_SuperTOW},
    {Form::Main, names::Label_SuperTimeMode},
    {Form::Main, names::Panel_Position},
    {Form::Main, names::Label_PanelPos},
    {Form::Main, names::Label_Lat_X},
    {Form::Main, names::Label_Lon_Y},
    {Form::Main, names::Label_Alt_Z},
    {Form::Main, names::Label_Pmode1},
    {Form::Main, names::Label_Pmode2},
    {Form::Main, names::Panel_LatDeg},
    {Form::Main, names::Panel_LatMin},
    {Form::Main, names::Panel_NorthSouth},
    {Form::Main, names::Panel_LonDeg},
    {Form::Main, names::Panel_LonMin},
    {Form::Main, names::Panel_EastWest},
    {Form::Main, names::Panel_X},
    {Form::Main, names::Panel_Y},
    {Form::Main, names::Panel_Alt_Z},
    {Form::Main, names::Panel_SuperLat},
    {Form::Main, names::Panel_SuperLon},
    {Form::Main, names::Panel_SuperAlt},
    {Form::Main, names::Label_DatumMain},
    {Form::Main, names::Panel_Datum},
    {Form::Main, names::Panel_DeltaLat},
    {Form::Main, names::Panel_DeltaLon},
    {Form::Main, names::Panel_Disable},
    {Form::Main, names::Panel_Disable2},
    {Form::Main, names::Panel_Velocity},
    {Form::Main, names::Label_PanelVel},
    {Form::Main, names::Panel_RecMode},
    {Form::Main, names::Panel_SuperReceiverMode},
    {Form::Main, names::Panel_Health},
    {Form::Main, names::Panel_DGPS},
    {Form::Main, names::Shape_Err1},
    {Form::Main, names::Shape_Err2},
    {Form::Main, names::Shape_Err3},
    {Form::Main, names::Shape_Err4},
    {Form::Main, names::Label_BBRAMLed},
    {Form::Main, names::Label_AntennaLed},
    {Form::Main, names::Label_RTCLed},
    {Form::Main, names::Label_AlmanacLed},
    {Form::Main, names::Panel_PDOP},
    {Form::Main, names::Panel_HDOP},
    {Form::Main, names::Panel_VDOP},
    {Form::Main, names::Panel_TDOP},
    {Form::Track, names::Panel_PDOP},
    {Form::Track, names::Panel_HDOP},
    {Form::Track, names::Panel_VDOP},
    {Form::Track, names::Panel_TDOP},
    {Form::Track, names::Panel_SVSel},
    {Form::Bias, names::Panel_Bias},
    {Form::Bias, names::Panel_BiasRate},
    {Form::Product, names::Panel_NavVersion},
    {Form::Product, names::Panel_NavDate},
    {Form::Product, names::Panel_SigVersion},
    {Form::Product, names::Panel_SigDate},
    {Form::Log, names::CheckBox_Bias},
    {Form::IOOptions, names::Label_Datum},
    {Form::IOOptions, names::ComboBox_Datum},
    {Form::TimingPackets, names::Panel_TOW},
    {Form::TimingPackets, names::Panel_Time},
    {Form::TimingPackets, names::Panel_Date},
    {Form::TimingPackets, names::Panel_WeekNum},
    {Form::TimingPackets, names::Panel_UTCOffset},
    {Form::TimingPackets, names::Label_TimeType},
    {Form::TimingPackets, names::Panel_PPSOffset},
    {Form::TimingPackets, names::Panel_10MHz},
    {Form::TimingPackets, names::Panel_Quantization},
    {Form::TimingPackets, names::Shape_PPS},
    {Form::TimingPackets, names::Shape_Bit3},
    {Form::TimingPackets, names::Shape_Bit5},
    {Form::TimingPackets, names::Shape_Bit6},
    {Form::TimingPackets, names::Shape_Bit7},
    {Form::TimingPackets, names::Shape_Bit8},
    {Form::TimingPackets, names::Shape_Bit9},
    {Form::TimingPackets, names::Shape_Bit10},
    {Form::TimingPackets, names::Shape_Bit11},
    {Form::TimingPackets, names::Panel_Mode},
    {Form::TimingPackets, names::Panel_Status},
    {Form::TimingPackets, names::Panel_Latitude},
    {Form::TimingPackets, names::Panel_Longitude},
    {Form::TimingPackets, names::Panel_Altitude},
    {Form::TimingPackets, names::Panel_SelfSurvey},
};

struct ControlRows {
  Form form;
  std::span<const ControlName> names;
};

// Every numbered row or triple the report layer writes.
inline constexpr ControlRows kReportControlRows[] = {
    {Form::Main, rows::Panel_Vel},   {Form::Main, rows::Label_Vel},
    {Form::Main, rows::Panel_SV},    {Form::Main, rows::Panel_AMU},
    {Form::Main, rows::Panel_AZ},    {Form::Main, rows::Panel_EL},
    {Form::Track, rows::Panel_SV},   {Form::Track, rows::Shape_Acq},
    {Form::Track, rows::Shape_Eph},  {Form::Track, rows::Panel_Amu},
    {Form::Track, rows::Panel_Time}, {Form::Track, rows::Panel_Elev},
    {Form::Track, rows::Panel_Azim},
};

// True when (form, name) is one of the controls above.
constexpr bool IsReportControl(Form form, std::string_view name) {
  for (const auto& c : kReportControls) {
    if (c.form == form && c.name.text() == name) return true;
  }
  for (const auto& r : kReportControlRows) {
    if (r.form != form) continue;
    for (ControlName row : r.names) {
      if (row.text() == name) return true;
    }
  }
  return false;
}

}  // namespace navbin::reports
