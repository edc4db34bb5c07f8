#pragma once
// The twelve data sets of a data-log record, in record order, with the check
// box that selects each and the number of values it writes.

#include <array>
#include <bitset>
#include <string_view>

#include "protocol/presentation/log_control_names.h"

namespace navbin::logging {

enum class DataSet {
  TimeOfWeek,
  Bias,
  BiasRate,
  SignalLevels,
  PositionLla,
  PositionXyz,
  VelocityEnu,
  VelocityXyz,
  ReceiverMode,
  Health,
  DgpsMode,
  Dops,
};

inline constexpr int kDataSetCount = 12;
using DataSets = std::bitset<kDataSetCount>;

struct DataSetInfo {
  reports::ControlName checkBox;
  std::string_view caption;
  int values;  // values written per record
};

inline constexpr std::array<DataSetInfo, kDataSetCount> kDataSetInfo{{
    {reports::names::CheckBox_TOW, "Time of Week (s) ", 1},
    {reports::names::CheckBox_Bias, "Bias (ns) ", 1},
    {reports::names::CheckBox_BiasRate, "Bias Rate (ppb) ", 1},
    {reports::names::CheckBox_Levels, "Signal Levels ", 24},
    {reports::names::CheckBox_PosLLA, "Position LLA ", 3},
    {reports::names::CheckBox_PosXYZ, "Position XYZ", 3},
    {reports::names::CheckBox_VelENU, "Velocity ENU", 3},
    {reports::names::CheckBox_VelXYZ, "Velocity XYZ", 3},
    {reports::names::CheckBox_Mode, "Receiver Mode", 1},
    {reports::names::CheckBox_Health, "Health", 3},
    {reports::names::CheckBox_DGPS, "DGPS Mode", 1},
    {reports::names::CheckBox_DOPs, "DOPs", 4},
}};

inline DataSets::reference Select(DataSets& sets, DataSet set) {
  return sets[static_cast<std::size_t>(set)];
}
inline bool Has(const DataSets& sets, DataSet set) {
  return sets.test(static_cast<std::size_t>(set));
}

// Values in one record of these sets.
inline int ColumnCount(const DataSets& sets) {
  int n = 0;
  for (int i = 0; i < kDataSetCount; ++i) {
    if (sets.test(static_cast<std::size_t>(i)))
      n += kDataSetInfo[static_cast<std::size_t>(i)].values;
  }
  return n;
}

}  // namespace navbin::logging
