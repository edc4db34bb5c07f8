#pragma once
// Names of the controls the two logs write: the logging panels of the main
// window, the data log window (Form::Log) and the NavBin log window
// (Form::LogNavBin). Each is the objectName of the widget in its window.

#include "protocol/presentation/control_name.h"
#include "protocol/presentation/control_names.h"

namespace navbin::reports::names {
// Main window: which logs run, and the data log's state.
inline constexpr ControlName Panel_Record{"Panel_Record"};
inline constexpr ControlName Panel_LogStatus{"Panel_LogStatus"};
// Both log windows: the lamp, its label, the file and the start button.
inline constexpr ControlName Shape_OnOff{"Shape_OnOff"};
inline constexpr ControlName Label_OnOff{"Label_OnOff"};
inline constexpr ControlName Panel_Filename{"Panel_Filename"};
inline constexpr ControlName Button_Start{"Button_Start"};
// Data log window: what the log disables while it runs.
inline constexpr ControlName Panel_DataSelection{"Panel_DataSelection"};
inline constexpr ControlName Panel_Setup{"Panel_Setup"};
inline constexpr ControlName Button_Browse{"Button_Browse"};
inline constexpr ControlName Button_Clear{"Button_Clear"};
inline constexpr ControlName Button_SelectAll{"Button_SelectAll"};
inline constexpr ControlName Button_SelectClear{"Button_SelectClear"};
// Data log window: the status panels.
inline constexpr ControlName Panel_DataSets{"Panel_DataSets"};
inline constexpr ControlName Panel_StartTime{"Panel_StartTime"};
inline constexpr ControlName Panel_Duration{"Panel_Duration"};
inline constexpr ControlName Panel_Data{"Panel_Data"};
// Data log window: the data set check boxes; CheckBox_Bias is in control_names.h.
inline constexpr ControlName CheckBox_TOW{"CheckBox_TOW"};
inline constexpr ControlName CheckBox_BiasRate{"CheckBox_BiasRate"};
inline constexpr ControlName CheckBox_Levels{"CheckBox_Levels"};
inline constexpr ControlName CheckBox_PosLLA{"CheckBox_PosLLA"};
inline constexpr ControlName CheckBox_PosXYZ{"CheckBox_PosXYZ"};
inline constexpr ControlName CheckBox_VelENU{"CheckBox_VelENU"};
inline constexpr ControlName CheckBox_VelXYZ{"CheckBox_VelXYZ"};
inline constexpr ControlName CheckBox_Mode{"CheckBox_Mode"};
inline constexpr ControlName CheckBox_Health{"CheckBox_Health"};
inline constexpr ControlName CheckBox_DGPS{"CheckBox_DGPS"};
inline constexpr ControlName CheckBox_DOPs{"CheckBox_DOPs"};
// NavBin log window.
inline constexpr ControlName Button_Open{"Button_Open"};
}  // namespace navbin::reports::names
