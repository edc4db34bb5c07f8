#pragma once
// Names of the configuration dialogs' controls: those the configuration
// report decoders write and those the dialog steps of the shell read. Each is
// the objectName of the widget in its window.

#include "protocol/presentation/control_names.h"
#include "protocol/presentation/display.h"

namespace navbin::reports {

namespace names {
// I/O options dialog (Form::IOOptions); Label_Datum and ComboBox_Datum are in control_names.h.
inline constexpr ControlName RadioGroup_Format{"RadioGroup_Format"};
inline constexpr ControlName RadioGroup_AltOut{"RadioGroup_AltOut"};
inline constexpr ControlName RadioGroup_AltIn{"RadioGroup_AltIn"};
inline constexpr ControlName RadioGroup_Precision{"RadioGroup_Precision"};
inline constexpr ControlName RadioGroup_Velocity{"RadioGroup_Velocity"};
inline constexpr ControlName RadioGroup_Timing{"RadioGroup_Timing"};
inline constexpr ControlName RadioGroup_PPSOutput{"RadioGroup_PPSOutput"};
inline constexpr ControlName Button_OK{"Button_OK"};
inline constexpr ControlName Button_Apply{"Button_Apply"};
inline constexpr ControlName Button_Cancel{"Button_Cancel"};
// Initial position dialog (Form::InitialPos).
inline constexpr ControlName RadioGroup_PosMode{"RadioGroup_PosMode"};
inline constexpr ControlName GroupBox_LLA{"GroupBox_LLA"};
inline constexpr ControlName GroupBox_ECEF{"GroupBox_ECEF"};
inline constexpr ControlName Edit_Lat{"Edit_Lat"};
inline constexpr ControlName Edit_Lon{"Edit_Lon"};
inline constexpr ControlName Edit_Alt{"Edit_Alt"};
inline constexpr ControlName Edit_X{"Edit_X"};
inline constexpr ControlName Edit_Y{"Edit_Y"};
inline constexpr ControlName Edit_Z{"Edit_Z"};
inline constexpr ControlName Button_File1{"Button_File1"};
inline constexpr ControlName Button_File2{"Button_File2"};
// Time-from-PC dialog (Form::InitialTime).
inline constexpr ControlName Shape_TimeAccepted{"Shape_TimeAccepted"};
inline constexpr ControlName Label4{"Label4"};
inline constexpr ControlName Button_SetTime{"Button_SetTime"};
// GPS configuration dialog (Form::GPS).
inline constexpr ControlName ComboBox_RMode{"ComboBox_RMode"};
inline constexpr ControlName ComboBox_DCode{"ComboBox_DCode"};
inline constexpr ControlName ComboBox_DifMode{"ComboBox_DifMode"};
inline constexpr ControlName Edit_EMask{"Edit_EMask"};
inline constexpr ControlName Edit_SMask{"Edit_SMask"};
inline constexpr ControlName Edit_PMask{"Edit_PMask"};
inline constexpr ControlName Edit_PSwitch{"Edit_PSwitch"};
inline constexpr ControlName Edit_DGPSAge{"Edit_DGPSAge"};
// Serial port dialog (Form::Serial).
inline constexpr ControlName ComboBox_Port1BaudRate{"ComboBox_Port1BaudRate"};
inline constexpr ControlName ComboBox_Port1DataBits{"ComboBox_Port1DataBits"};
inline constexpr ControlName ComboBox_Port1Parity{"ComboBox_Port1Parity"};
inline constexpr ControlName ComboBox_Port1StopBits{"ComboBox_Port1StopBits"};
inline constexpr ControlName ComboBox_Port1ProtocolIn{"ComboBox_Port1ProtocolIn"};
inline constexpr ControlName ComboBox_Port1ProtocolOut{"ComboBox_Port1ProtocolOut"};
inline constexpr ControlName ComboBox_Port2BaudRate{"ComboBox_Port2BaudRate"};
inline constexpr ControlName ComboBox_Port2DataBits{"ComboBox_Port2DataBits"};
inline constexpr ControlName ComboBox_Port2Parity{"ComboBox_Port2Parity"};
inline constexpr ControlName ComboBox_Port2StopBits{"ComboBox_Port2StopBits"};
inline constexpr ControlName ComboBox_Port2ProtocolIn{"ComboBox_Port2ProtocolIn"};
inline constexpr ControlName ComboBox_Port2ProtocolOut{"ComboBox_Port2ProtocolOut"};
inline constexpr ControlName Button_Port1{"Button_Port1"};
inline constexpr ControlName Button_Port2{"Button_Port2"};
// Filters dialog (Form::Filters).
inline constexpr ControlName CheckBox_Dynamic{"CheckBox_Dynamic"};
inline constexpr ControlName CheckBox_Static{"CheckBox_Static"};
inline constexpr ControlName CheckBox_Altitude{"CheckBox_Altitude"};
// NavTxt dialog (Form::NavTxt).
inline constexpr ControlName CheckBox_ID{"CheckBox_ID"};
inline constexpr ControlName CheckBox_CS{"CheckBox_CS"};
inline constexpr ControlName CheckBox_EC{"CheckBox_EC"};
inline constexpr ControlName CheckBox_FR{"CheckBox_FR"};
inline constexpr ControlName CheckBox_CR{"CheckBox_CR"};
inline constexpr ControlName Edit_TOH{"Edit_TOH"};
inline constexpr ControlName Edit_AL{"Edit_AL"};
inline constexpr ControlName Edit_CP{"Edit_CP"};
inline constexpr ControlName Edit_ID{"Edit_ID"};
inline constexpr ControlName Edit_LN{"Edit_LN"};
inline constexpr ControlName Edit_PV{"Edit_PV"};
inline constexpr ControlName Edit_ST{"Edit_ST"};
inline constexpr ControlName Edit_TM{"Edit_TM"};
inline constexpr ControlName Edit_VR{"Edit_VR"};
inline constexpr ControlName Edit_VehID{"Edit_VehID"};
// Sensitivity dialog (Form::Sensitivity).
inline constexpr ControlName Panel_CurMode{"Panel_CurMode"};
inline constexpr ControlName ComboBox_NewMode{"ComboBox_NewMode"};
// PPS dialog (Form::PPSOutput).
inline constexpr ControlName ComboBox_Switch{"ComboBox_Switch"};
inline constexpr ControlName ComboBox_TimeBase{"ComboBox_TimeBase"};
inline constexpr ControlName ComboBox_Polarity{"ComboBox_Polarity"};
inline constexpr ControlName Edit_Offset{"Edit_Offset"};
inline constexpr ControlName Edit_Bias{"Edit_Bias"};
inline constexpr ControlName RadioButton_Always{"RadioButton_Always"};
inline constexpr ControlName RadioButton_1SV{"RadioButton_1SV"};
inline constexpr ControlName RadioButton_3SV{"RadioButton_3SV"};
inline constexpr ControlName Button_SetChar{"Button_SetChar"};
inline constexpr ControlName Button_SetOutput{"Button_SetOutput"};
// Packet masks dialog (Form::PacketMasks).
inline constexpr ControlName CheckBox_B2Bit5{"CheckBox_B2Bit5"};
inline constexpr ControlName CheckBox_B2Bit6{"CheckBox_B2Bit6"};
inline constexpr ControlName CheckBox_B2Bit7{"CheckBox_B2Bit7"};
// Self-survey dialog (Form::SelfSurvey).
inline constexpr ControlName CheckBox_EnableSurvey{"CheckBox_EnableSurvey"};
inline constexpr ControlName CheckBox_Flag{"CheckBox_Flag"};
inline constexpr ControlName Edit_Limit{"Edit_Limit"};
// Generic command dialog (Form::GenNavBin).
inline constexpr ControlName Edit_NavBin{"Edit_NavBin"};
inline constexpr ControlName Button_Send{"Button_Send"};
}  // namespace names

// Every control of the five dialogs built so far that the decoders and the
// dialog steps reach; the windows must have them.
inline constexpr FormControl kConfigDialogControls[] = {
    {Form::IOOptions, names::RadioGroup_Format},
    {Form::IOOptions, names::RadioGroup_AltOut},
    {Form::IOOptions, names::RadioGroup_AltIn},
    {Form::IOOptions, names::RadioGroup_Precision},
    {Form::IOOptions, names::RadioGroup_Velocity},
    {Form::IOOptions, names::RadioGroup_Timing},
    {Form::IOOptions, names::RadioGroup_PPSOutput},
    {Form::IOOptions, names::Button_OK},
    {Form::IOOptions, names::Button_Apply},
    {Form::IOOptions, names::Button_Cancel},
    {Form::InitialPos, names::RadioGroup_PosMode},
    {Form::InitialPos, names::GroupBox_LLA},
    {Form::InitialPos, names::GroupBox_ECEF},
    {Form::InitialPos, names::Edit_Lat},
    {Form::InitialPos, names::Edit_Lon},
    {Form::InitialPos, names::Edit_Alt},
    {Form::InitialPos, names::Edit_X},
    {Form::InitialPos, names::Edit_Y},
    {Form::InitialPos, names::Edit_Z},
    {Form::InitialPos, names::Button_File1},
    {Form::InitialPos, names::Button_File2},
    {Form::InitialTime, names::Shape_TimeAccepted},
    {Form::InitialTime, names::Label4},
    {Form::InitialTime, names::Button_SetTime},
    {Form::GPS, names::ComboBox_RMode},
    {Form::GPS, names::ComboBox_DCode},
    {Form::GPS, names::ComboBox_DifMode},
    {Form::GPS, names::Edit_EMask},
    {Form::GPS, names::Edit_SMask},
    {Form::GPS, names::Edit_PMask},
    {Form::GPS, names::Edit_PSwitch},
    {Form::GPS, names::Edit_DGPSAge},
    {Form::Serial, names::ComboBox_Port1BaudRate},
    {Form::Serial, names::ComboBox_Port1DataBits},
    {Form::Serial, names::ComboBox_Port1Parity},
    {Form::Serial, names::ComboBox_Port1StopBits},
    {Form::Serial, names::ComboBox_Port1ProtocolIn},
    {Form::Serial, names::ComboBox_Port1ProtocolOut},
    {Form::Serial, names::ComboBox_Port2BaudRate},
    {Form::Serial, names::ComboBox_Port2DataBits},
    {Form::Serial, names::ComboBox_Port2Parity},
    {Form::Serial, names::ComboBox_Port2StopBits},
    {Form::Serial, names::ComboBox_Port2ProtocolIn},
    {Form::Serial, names::ComboBox_Port2ProtocolOut},
    {Form::Serial, names::Button_Port1},
    {Form::Serial, names::Button_Port2},
    {Form::IOOptions, names::ComboBox_Datum},
};

}  // namespace navbin::reports

namespace navbin::reports {

// The six lists and the button of each panel of the serial port dialog;
// element 0 is "Port 1" (receiver port 0), element 1 "Port 2".
struct SerialPanelControls {
  ControlName baudRate, dataBits, parity, stopBits, protocolIn, protocolOut, button;
};
inline constexpr SerialPanelControls kSerialPanels[2] = {
    {names::ComboBox_Port1BaudRate, names::ComboBox_Port1DataBits, names::ComboBox_Port1Parity,
     names::ComboBox_Port1StopBits, names::ComboBox_Port1ProtocolIn,
     names::ComboBox_Port1ProtocolOut, names::Button_Port1},
    {names::ComboBox_Port2BaudRate, names::ComboBox_Port2DataBits, names::ComboBox_Port2Parity,
     names::ComboBox_Port2StopBits, names::ComboBox_Port2ProtocolIn,
     names::ComboBox_Port2ProtocolOut, names::Button_Port2},
};

}  // namespace navbin::reports
