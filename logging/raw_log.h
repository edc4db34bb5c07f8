#pragma once
// The raw packet log: every packet of the display port re-framed as it
// travels on the wire, appended to one binary file. Frames of a tick are
// gathered and written at the end of the tick, so a crash loses at most the
// packets of one tick and the file always ends on a frame boundary.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "logging/data_log_link.h"
#include "protocol/presentation/display.h"
#include "protocol/presentation/prompter.h"
#include "protocol/receiver/receiver_state.h"

namespace navbin::logging {

// Appends the frame of one packet: DLE, id, the payload with every 0x10
// doubled, DLE, ETX. Any payload length.
void AppendRawFrame(std::string& out, int id, const std::uint8_t* payload, std::size_t length);

class RawLog {
 public:
  RawLog(reports::ReportGlobals& globals, const DataLogLink& dataLog, reports::Display& display,
         reports::Prompter& prompter);
  ~RawLog();
  RawLog(const RawLog&) = delete;
  RawLog& operator=(const RawLog&) = delete;

  // Button_Open: the file dialog; on OK the path becomes rawLogFileName.
  void chooseFile();
  // Start and Stop of the raw packet log window.
  void Start(bool append);
  void Stop();

  // Called by the dispatcher for every display-port packet while recording.
  void writeRawPacket(int id, const std::uint8_t* payload, std::size_t length);
  // End of every monitor tick: the tick's frames go to the file.
  void flush();
  // At program end: what is gathered is written and the file closed, with
  // no change to the windows.
  void closeFile();

  bool active() const { return globals_.rawLogActive != 0; }
  // Why the file could not be written, empty when the last write went well.
  const std::string& fault() const { return fault_; }
  // Ticks whose frames could not be written, since start-up.
  std::uint64_t writeErrors() const { return writeErrors_; }

  std::string rawLogFileName = " ";

 private:
  reports::ReportGlobals& globals_;
  const DataLogLink& dataLog_;
  reports::Display& display_;
  reports::Prompter& prompter_;
  std::FILE* rawLogFile_ = nullptr;
  std::string pending_;  // frames of the current tick
  long written_ = 0;     // file size after the last whole write
  std::string fault_;
  std::uint64_t writeErrors_ = 0;
};

}  // namespace navbin::logging
