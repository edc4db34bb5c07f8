#pragma once
// The data log: one text file per monitored port, one line per record of the
// chosen data sets, paced by the port's position reports or by a one-second
// system timer. It drives the data logging window and the main window's
// logging panels through Display, and asks through Prompter.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "link/port_context.h"
#include "link/port_selection.h"
#include "logging/data_log_link.h"
#include "logging/data_sets.h"
#include "protocol/presentation/display.h"
#include "protocol/presentation/prompter.h"
#include "protocol/receiver/receiver_state.h"

namespace navbin::logging {

struct PortLogSlot {
  std::string fileName;
  float lastRecordTime = 0;  // s of GPS week, time of week plus timer offset
  float startTime = 0;       // s of GPS week
};

// The set-up controls of the data logging window, read at Start.
struct DataLogSetup {
  DataSets sets = DataSets().set(0);  // Time of Week only
  std::string intervalText = "1";
  std::string fileRoot = "data";
  bool systemTimer = false;
  bool append = false;
};

class DataLog {
 public:
  DataLog(reports::ReportState& reports, const link::PortTable& ports,
          const link::PortSelection& shell, DataLogLink& link, reports::Display& display,
          reports::Prompter& prompter);

  // Begins logging with `setup` into the generated files (chosenLogFile for
  // the display port). Refused with a message, and nothing changed, when a
  // file name would be longer than kMaxFileName.
  bool startDataLog(const DataLogSetup& setup);
  void stopDataLog();
  // A record of port `port` (0-based) when one is due; see the record rule.
  void writeDataRecord(int port);
  // Timer_System, once a second.
  void systemTimer();

  // Button_Browse and Button_Clear.
  void chooseLogFile();
  void clearLogFile();

  bool on() const { return link_.dataLogOn != 0; }
  // The reason a log file could not be written, empty when all went well.
  const std::string& fileFault(int port) const {
    return faults_.at(static_cast<std::size_t>(port));
  }

  // Records of port `port` that could not be written, since start-up.
  std::uint64_t writeErrors(int port) const {
    return writeErrors_.at(static_cast<std::size_t>(port));
  }

  // Records written into port `port`'s file since Start.
  std::uint64_t recordsWritten(int port) const {
    return written_.at(static_cast<std::size_t>(port));
  }

  std::int32_t logInterval = 0;
  std::int32_t logStatusPort = 0;
  std::int32_t recordCount = 0;
  std::optional<std::string> chosenLogFile;
  std::array<PortLogSlot, link::kPortCount> portLogSlots{};

 private:
  bool namesFit(const std::string& root) const;
  void truncateMonitoredFiles();
  bool appendRecord(int port, const std::string& line);
  void noteFault(int port, std::string reason);
  void showLogStatusColour(reports::Colour colour);
  void enableSetup(bool enabled);

  reports::ReportState& reports_;
  const link::PortTable& ports_;
  const link::PortSelection& shell_;
  DataLogLink& link_;
  reports::Display& display_;
  reports::Prompter& prompter_;
  DataSets sets_;
  std::string line_;  // reused: a record allocates only when it outgrows the last
  std::array<std::string, link::kPortCount> faults_{};
  std::array<std::uint64_t, link::kPortCount> written_{};
  std::array<std::uint64_t, link::kPortCount> writeErrors_{};
};

// The interval text as "%d" reads it: nothing when it does not start with a
// number; values beyond int are clamped.
std::optional<std::int32_t> ParseInterval(const std::string& text);

}  // namespace navbin::logging
