#pragma once
// Names of the data loading status window's controls (Form::Alm) that the
// almanac transfers write. Each is the objectName of its widget.

#include "protocol/presentation/control_name.h"

namespace navbin::reports {

namespace names {
inline constexpr ControlName Shape_Alm{"Shape_Alm"};
inline constexpr ControlName Shape_Iono{"Shape_Iono"};
inline constexpr ControlName Shape_UTC{"Shape_UTC"};
inline constexpr ControlName Shape_LoadStatus{"Shape_LoadStatus"};
inline constexpr ControlName Label_LoadStatus{"Label_LoadStatus"};
}  // namespace names

namespace rows {
// Shape_SV1 .. Shape_SV32: the almanac lamp of each SV.
inline constexpr auto Shape_SV = Row<"Shape_SV", 32>;
}  // namespace rows

}  // namespace navbin::reports
