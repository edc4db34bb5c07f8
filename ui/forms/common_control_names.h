#pragma once
// Names of controls that several windows have, each window its own one. Only
// the windows themselves use them, so they are plain names, not report names.

namespace navbin::ui::common {

inline constexpr char Button_Close[] = "Button_Close";
// Both log windows.
inline constexpr char Button_Stop[] = "Button_Stop";
inline constexpr char CheckBox_Append[] = "CheckBox_Append";

}  // namespace navbin::ui::common
