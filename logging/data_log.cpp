#include "logging/data_log.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

#include "logging/data_record.h"
#include "logging/log_panels.h"
#include "protocol/presentation/format.h"
#include "protocol/presentation/log_control_names.h"
#include "protocol/presentation/time_functions.h"

namespace navbin::logging {
namespace {

using reports::Colour;
using reports::Form;

namespace names = reports::names;

constexpr reports::ControlName kSetupControls[] = {
    names::Panel_DataSelection, names::Panel_Setup,  names::Button_Browse,
    names::Button_Clear,        names::Button_Start, names::Button_SelectAll,
    names::Button_SelectClear,
};

// Cuts a file back to `size` bytes; false when it cannot.
bool CutBack(const std::string& file, long size) {
  return ::truncate(file.c_str(), size) == 0;
}

std::string Reason(const std::string& file, int error) {
  return "cannot write " + file + ": " + std::strerror(error);
}

}  // namespace

std::optional<std::int32_t> ParseInterval(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
  long long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = std::min<long long>(value * 10 + (text[i] - '0'), 1LL + INT_MAX);
  }
  if (negative) value = -value;
  return static_cast<std::int32_t>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

DataLog::DataLog(reports::ReportState& reports, const link::PortTable& ports,
                 const link::PortSelection& shell, DataLogLink& link, reports::Display& display,
                 reports::Prompter& prompter)
    : reports_(reports),
      ports_(ports),
      shell_(shell),
      link_(link),
      display_(display),
      prompter_(prompter) {
  line_.reserve(1024);
}

bool DataLog::namesFit(const std::string& root) const {
  // The longest generated name is the one of port 16.
  const std::string longest = root + "16.dat";
  if (longest.size() > kMaxFileName) {
    RefuseLongFileName(prompter_, longest);
    return false;
  }
  return true;
}

bool DataLog::startDataLog(const DataLogSetup& setup) {
  if (!namesFit(setup.fileRoot)) return false;
  logStatusPort = shell_.displayIndex();
  if (logStatusPort < 0 || logStatusPort >= link::kPortCount) logStatusPort = 0;
  for (int i = 0; i < link::kPortCount; ++i) {
    portLogSlots[std::size_t(i)].fileName =
        reports::Format("%s%d.dat", setup.fileRoot.c_str(), i + 1);
    reports_.globals.logTrigger[std::size_t(i)] = 0;
    faults_[std::size_t(i)].clear();
    written_[std::size_t(i)] = 0;
  }
  PortLogSlot& status = portLogSlots[std::size_t(logStatusPort)];
  if (chosenLogFile) status.fileName = *chosenLogFile;
  display_.setText(Form::Log, names::Panel_Filename, " " + status.fileName);
  if (!setup.append) truncateMonitoredFiles();
  sets_ = setup.sets;
  link_.receiverTimeMode = setup.systemTimer ? 0 : 1;
  if (auto interval = ParseInterval(setup.intervalText)) logInterval = *interval;
  if (logInterval < 1) logInterval = 1;
  for (int i = 0; i < link::kPortCount; ++i) {
    const float timeOfFix = reports_.receivers[std::size_t(i)].position.timeOfFix;
    portLogSlots[std::size_t(i)].lastRecordTime = timeOfFix - static_cast<float>(logInterval);
    portLogSlots[std::size_t(i)].startTime = timeOfFix;
    link_.timerOffset[std::size_t(i)] = 0;
  }
  reports::showTimeOfWeek(display_, Form::Log, names::Panel_StartTime, status.startTime, true);
  recordCount = 0;
  display_.setText(Form::Log, names::Panel_DataSets, "0");
  display_.setText(Form::Log, names::Panel_Duration, " ");
  display_.setText(Form::Log, names::Panel_Data, " ");
  enableSetup(false);
  ShowOnOff(display_, Form::Log, true);
  display_.setText(Form::Main, names::Panel_LogStatus, "Logging On");
  display_.setHint(Form::Main, names::Panel_LogStatus, std::string(kLogStatusHint));
  showLogStatusColour(Colour::Lime);
  ShowRecordState(display_, true, reports_.globals.rawLogActive != 0);
  link_.dataLogOn = 1;
  return true;
}

void DataLog::stopDataLog() {
  link_.dataLogOn = 0;
  enableSetup(true);
  ShowOnOff(display_, Form::Log, false);
  display_.setText(Form::Main, names::Panel_LogStatus, "Logging Off");
  display_.setColour(Form::Main, names::Panel_LogStatus, Colour::ButtonFace);
  display_.setHint(Form::Main, names::Panel_LogStatus, std::string(kLogStatusHint));
  for (std::string& fault : faults_) fault.clear();
  ShowRecordState(display_, false, reports_.globals.rawLogActive != 0);
}

void DataLog::truncateMonitoredFiles() {
  for (int i = 0; i < link::kPortCount; ++i) {
    if (!ports_[std::size_t(i)].monitored) continue;
    const std::string& name = portLogSlots[std::size_t(i)].fileName;
    if (std::FILE* file = std::fopen(name.c_str(), "w")) {
      std::fclose(file);
    } else {
      noteFault(i, Reason(name, errno));
    }
  }
}

void DataLog::writeDataRecord(int port) {
  if (port < 0 || port >= link::kPortCount) return;
  const auto p = static_cast<std::size_t>(port);
  reports::ReceiverState& receiver = reports_.receivers[p];
  if (!on()) {
    RearmSignalLevels(receiver);
    return;
  }
  PortLogSlot& slot = portLogSlots[p];
  const bool statusPort = port == logStatusPort;
  const float now = receiver.position.timeOfFix + link_.timerOffset[p];
  if (elapsedSeconds(now, slot.lastRecordTime) < static_cast<float>(logInterval)) {
    if (statusPort) showLogStatusColour(Colour::Lime);
  } else {
    slot.lastRecordTime = now;
    line_.clear();
    AppendDataRecord(line_, receiver, sets_);
    if (appendRecord(port, line_) && statusPort) {
      ++recordCount;
      display_.setText(Form::Log, names::Panel_DataSets, reports::Format("%d", recordCount));
      std::string shown(1, ' ');
      shown += StatusCopy(line_);
      display_.setText(Form::Log, names::Panel_Data, shown);
      showLogStatusColour(Colour::Yellow);
    }
  }
  if (!statusPort) return;
  const float duration = elapsedSeconds(now, slot.startTime);
  reports::showTimeOfWeek(display_, Form::Log, names::Panel_Duration, duration, false);
  reports::showTimeOfWeek(display_, Form::Main, names::Panel_LogStatus, duration, false);
}

// Appends the line to the port's file, opened and closed for this record. A
// file that cannot be opened or written gets no record (a partly written line
// is cut off again) and its port shows the fault.
bool DataLog::appendRecord(int port, const std::string& line) {
  const std::string& name = portLogSlots[std::size_t(port)].fileName;
  std::FILE* file = std::fopen(name.c_str(), "a");
  if (!file) {
    noteFault(port, Reason(name, errno));
    return false;
  }
  std::fseek(file, 0, SEEK_END);
  const long before = std::ftell(file);
  const bool written = std::fwrite(line.data(), 1, line.size(), file) == line.size();
  const int writeError = errno;
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    const int error = written ? errno : writeError;
    if (before >= 0) CutBack(name, before);
    noteFault(port, Reason(name, error));
    return false;
  }
  ++written_[std::size_t(port)];
  if (!faults_[std::size_t(port)].empty()) {
    faults_[std::size_t(port)].clear();
    noteFault(port, {});
  }
  return true;
}

// Panel_LogStatus turns red, its hint giving the reason, while any port's
// file fails; it returns to the usual colours when all write again.
void DataLog::noteFault(int port, std::string reason) {
  if (!reason.empty()) ++writeErrors_[std::size_t(port)];
  faults_[std::size_t(port)] = std::move(reason);
  std::string hint(kLogStatusHint);
  for (const std::string& fault : faults_) {
    if (!fault.empty()) hint = "Data Logging: " + fault;
  }
  display_.setHint(Form::Main, names::Panel_LogStatus, hint);
  if (hint != kLogStatusHint) display_.setColour(Form::Main, names::Panel_LogStatus, Colour::Red);
}

void DataLog::showLogStatusColour(Colour colour) {
  for (const std::string& fault : faults_) {
    if (!fault.empty()) colour = Colour::Red;
  }
  display_.setColour(Form::Main, names::Panel_LogStatus, colour);
}

void DataLog::enableSetup(bool enabled) {
  for (reports::ControlName control : kSetupControls)
    display_.setEnabled(Form::Log, control, enabled);
}

void DataLog::systemTimer() {
  if (!on()) return;
  for (int i = 0; i < link::kPortCount; ++i) {
    if (!ports_[std::size_t(i)].monitored) continue;
    if (reports_.receivers[std::size_t(i)].statusCode != 0) {
      link_.timerOffset[std::size_t(i)] += 1.0f;
      writeDataRecord(i);
    } else if (link_.receiverTimeMode == 0) {
      writeDataRecord(i);
    }
  }
}

void DataLog::chooseLogFile() {
  const reports::FileRequest request{"Data Files (*.dat)|*.dat|All Files (*.*)|*.*", ".dat", " ",
                                     true, "Select Data File"};
  std::optional<std::string> file = prompter_.chooseFile(request);
  if (file && file->size() > kMaxFileName) {
    RefuseLongFileName(prompter_, *file);
  } else if (file) {
    chosenLogFile = std::move(file);
  }
  // Whatever the choice, the panel shows the file in force (none: empty).
  display_.setText(Form::Log, names::Panel_Filename, chosenLogFile.value_or(""));
}

void DataLog::clearLogFile() {
  chosenLogFile.reset();
  display_.setText(Form::Log, names::Panel_Filename, " ");
}

}  // namespace navbin::logging
