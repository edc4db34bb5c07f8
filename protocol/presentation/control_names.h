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
#include <string_view>

#include "protocol/presentation/display.h"

namespace navbin::reports {

namespace names {
// Main window.
inline constexpr std::string_view Shape_RxLED = "Shape_RxLED";
inline constexpr std::string_view Panel_Version = "Panel_Version";
inline constexpr std::string_view Panel_Week = "Panel_Week";
inline constexpr std::string_view Panel_Date = "Panel_Date";
inline constexpr std::string_view Panel_Time = "Panel_Time";
inline constexpr std::string_view Panel_TOW = "Panel_TOW";
inline constexpr std::string_view Label_TimeMode = "Label_TimeMode";
inline constexpr std::string_view Panel_SuperTime = "Panel_SuperTime";
inline constexpr std::string_view Panel_SuperTOW = "Panel_SuperTOW";
inline constexpr std::string_view Label_SuperTimeMode = "Label_SuperTimeMode";
inline constexpr std::string_view Panel_Position = "Panel_Position";
inline constexpr std::string_view Label_PanelPos = "Label_PanelPos";
inline constexpr std::string_view Label_Lat_X = "Label_Lat_X";
inline constexpr std::string_view Label_Lon_Y = "Label_Lon_Y";
inline constexpr std::string_view Label_Alt_Z = "Label_Alt_Z";
inline constexpr std::string_view Label_Pmode1 = "Label_Pmode1";
inline constexpr std::string_view Label_Pmode2 = "Label_Pmode2";
inline constexpr std::string_view Panel_LatDeg = "Panel_LatDeg";
inline constexpr std::string_view Panel_LatMin = "Panel_LatMin";
inline constexpr std::string_view Panel_NorthSouth = "Panel_NorthSouth";
inline constexpr std::string_view Panel_LonDeg = "Panel_LonDeg";
inline constexpr std::string_view Panel_LonMin = "Panel_LonMin";
inline constexpr std::string_view Panel_EastWest = "Panel_EastWest";
inline constexpr std::string_view Panel_X = "Panel_X";
inline constexpr std::string_view Panel_Y = "Panel_Y";
inline constexpr std::string_view Panel_Alt_Z = "Panel_Alt_Z";
inline constexpr std::string_view Panel_SuperLat = "Panel_SuperLat";
inline constexpr std::string_view Panel_SuperLon = "Panel_SuperLon";
inline constexpr std::string_view Panel_SuperAlt = "Panel_SuperAlt";
inline constexpr std::string_view Label_DatumMain = "Label_DatumMain";
inline constexpr std::string_view Panel_Datum = "Panel_Datum";
inline constexpr std::string_view Panel_DeltaLat = "Panel_DeltaLat";
inline constexpr std::string_view Panel_DeltaLon = "Panel_DeltaLon";
inline constexpr std::string_view Panel_Disable = "Panel_Disable";
inline constexpr std::string_view Panel_Disable2 = "Panel_Disable2";
inline constexpr std::string_view Panel_Velocity = "Panel_Velocity";
inline constexpr std::string_view Label_PanelVel = "Label_PanelVel";
inline constexpr std::string_view Panel_RecMode = "Panel_RecMode";
inline constexpr std::string_view Panel_SuperReceiverMode = "Panel_SuperReceiverMode";
inline constexpr std::string_view Panel_Health = "Panel_Health";
inline constexpr std::string_view Panel_DGPS = "Panel_DGPS";
inline constexpr std::string_view Shape_Err1 = "Shape_Err1";
inline constexpr std::string_view Shape_Err2 = "Shape_Err2";
inline constexpr std::string_view Shape_Err3 = "Shape_Err3";
inline constexpr std::string_view Shape_Err4 = "Shape_Err4";
inline constexpr std::string_view Label_BBRAMLed = "Label_BBRAMLed";
inline constexpr std::string_view Label_AntennaLed = "Label_AntennaLed";
inline constexpr std::string_view Label_RTCLed = "Label_RTCLed";
inline constexpr std::string_view Label_AlmanacLed = "Label_AlmanacLed";
// Main and tracking windows both.
inline constexpr std::string_view Panel_PDOP = "Panel_PDOP";
inline constexpr std::string_view Panel_HDOP = "Panel_HDOP";
inline constexpr std::string_view Panel_VDOP = "Panel_VDOP";
inline constexpr std::string_view Panel_TDOP = "Panel_TDOP";
// Tracking window.
inline constexpr std::string_view Panel_SVSel = "Panel_SVSel";
// Clock bias window.
inline constexpr std::string_view Panel_Bias = "Panel_Bias";
inline constexpr std::string_view Panel_BiasRate = "Panel_BiasRate";
// Product information window.
inline constexpr std::string_view Panel_NavVersion = "Panel_NavVersion";
inline constexpr std::string_view Panel_NavDate = "Panel_NavDate";
inline constexpr std::string_view Panel_SigVersion = "Panel_SigVersion";
inline constexpr std::string_view Panel_SigDate = "Panel_SigDate";
// Data log window.
inline constexpr std::string_view CheckBox_Bias = "CheckBox_Bias";
// I/O options dialog.
inline constexpr std::string_view Label_Datum = "Label_Datum";
inline constexpr std::string_view ComboBox_Datum = "ComboBox_Datum";
// Timing packets window.
inline constexpr std::string_view Panel_WeekNum = "Panel_WeekNum";
inline constexpr std::string_view Panel_UTCOffset = "Panel_UTCOffset";
inline constexpr std::string_view Label_TimeType = "Label_TimeType";
inline constexpr std::string_view Panel_PPSOffset = "Panel_PPSOffset";
inline constexpr std::string_view Panel_10MHz = "Panel_10MHz";
inline constexpr std::string_view Panel_Quantization = "Panel_Quantization";
inline constexpr std::string_view Shape_PPS = "Shape_PPS";
inline constexpr std::string_view Shape_Bit3 = "Shape_Bit3";
inline constexpr std::string_view Shape_Bit5 = "Shape_Bit5";
inline constexpr std::string_view Shape_Bit6 = "Shape_Bit6";
inline constexpr std::string_view Shape_Bit7 = "Shape_Bit7";
inline constexpr std::string_view Shape_Bit8 = "Shape_Bit8";
inline constexpr std::string_view Shape_Bit9 = "Shape_Bit9";
inline constexpr std::string_view Shape_Bit10 = "Shape_Bit10";
inline constexpr std::string_view Shape_Bit11 = "Shape_Bit11";
inline constexpr std::string_view Panel_Mode = "Panel_Mode";
inline constexpr std::string_view Panel_Status = "Panel_Status";
inline constexpr std::string_view Panel_Latitude = "Panel_Latitude";
inline constexpr std::string_view Panel_Longitude = "Panel_Longitude";
inline constexpr std::string_view Panel_Altitude = "Panel_Altitude";
inline constexpr std::string_view Panel_SelfSurvey = "Panel_SelfSurvey";
}  // namespace names

// Controls that come in numbered rows or triples, indexed from 0: element k is
// the control whose name ends in k + 1 (Panel_SV1 is rows::Panel_SV[0]).
namespace rows {
#define NAVBIN_ROWS3(p)             \
  std::array<std::string_view, 3> { \
    p "1", p "2", p "3"             \
  }
#define NAVBIN_ROWS12(p)                                                                  \
  std::array<std::string_view, 12> {                                                      \
    p "1", p "2", p "3", p "4", p "5", p "6", p "7", p "8", p "9", p "10", p "11", p "12" \
  }
// Main window velocity panels and their direction labels.
inline constexpr auto Panel_Vel = NAVBIN_ROWS3("Panel_Vel");
inline constexpr auto Label_Vel = NAVBIN_ROWS3("Label_Vel");
// Main window channel rows.
inline constexpr auto Panel_AMU = NAVBIN_ROWS12("Panel_AMU");
inline constexpr auto Panel_AZ = NAVBIN_ROWS12("Panel_AZ");
inline constexpr auto Panel_EL = NAVBIN_ROWS12("Panel_EL");
// Main and tracking windows both.
inline constexpr auto Panel_SV = NAVBIN_ROWS12("Panel_SV");
// Tracking window channel rows.
inline constexpr auto Shape_Acq = NAVBIN_ROWS12("Shape_Acq");
inline constexpr auto Shape_Eph = NAVBIN_ROWS12("Shape_Eph");
inline constexpr auto Panel_Amu = NAVBIN_ROWS12("Panel_Amu");
inline constexpr auto Panel_Time = NAVBIN_ROWS12("Panel_Time");
inline constexpr auto Panel_Elev = NAVBIN_ROWS12("Panel_Elev");
inline constexpr auto Panel_Azim = NAVBIN_ROWS12("Panel_Azim");
#undef NAVBIN_ROWS3
#undef NAVBIN_ROWS12
}  // namespace rows

struct ControlName {
  Form form;
  std::string_view name;
};

// Every single (not row) control the report layer writes or reads.
inline constexpr ControlName kReportControls[] = {
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
  const std::string_view* names;
  int count;
};

// Every numbered row or triple the report layer writes.
inline constexpr ControlRows kReportControlRows[] = {
    {Form::Main, rows::Panel_Vel.data(), 3},    {Form::Main, rows::Label_Vel.data(), 3},
    {Form::Main, rows::Panel_SV.data(), 12},    {Form::Main, rows::Panel_AMU.data(), 12},
    {Form::Main, rows::Panel_AZ.data(), 12},    {Form::Main, rows::Panel_EL.data(), 12},
    {Form::Track, rows::Panel_SV.data(), 12},   {Form::Track, rows::Shape_Acq.data(), 12},
    {Form::Track, rows::Shape_Eph.data(), 12},  {Form::Track, rows::Panel_Amu.data(), 12},
    {Form::Track, rows::Panel_Time.data(), 12}, {Form::Track, rows::Panel_Elev.data(), 12},
    {Form::Track, rows::Panel_Azim.data(), 12},
};

// True when (form, name) is one of the controls above.
constexpr bool IsReportControl(Form form, std::string_view name) {
  for (const auto& c : kReportControls) {
    if (c.form == form && c.name == name) return true;
  }
  for (const auto& r : kReportControlRows) {
    if (r.form != form) continue;
    for (int i = 0; i < r.count; ++i) {
      if (r.names[i] == name) return true;
    }
  }
  return false;
}

}  // namespace navbin::reports
