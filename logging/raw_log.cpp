#include "logging/raw_log.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "link/framing.h"
#include "logging/log_panels.h"
#include "protocol/presentation/log_control_names.h"

namespace navbin::logging {
namespace {

using reports::Colour;
using reports::Form;

constexpr std::uint8_t kDle = 0x10;
constexpr std::uint8_t kEtx = 0x03;
// Room for a tick of the largest frames without growing.
constexpr std::size_t kPendingReserve = 4 * link::kMaxFrameLength + 8192;

}  // namespace

void AppendRawFrame(std::string& out, int id, const std::uint8_t* payload, std::size_t length) {
  out += static_cast<char>(kDle);
  out += static_cast<char>(id);
  for (std::size_t i = 0; i < length; ++i) {
    out += static_cast<char>(payload[i]);
    if (payload[i] == kDle) out += static_cast<char>(kDle);
  }
  out += static_cast<char>(kDle);
  out += static_cast<char>(kEtx);
}

RawLog::RawLog(reports::ReportGlobals& globals, const DataLogLink& dataLog,
               reports::Display& display, reports::Prompter& prompter)
    : globals_(globals), dataLog_(dataLog), display_(display), prompter_(prompter) {
  pending_.reserve(kPendingReserve);
}

RawLog::~RawLog() {
  closeFile();
}

void RawLog::chooseFile() {
  const reports::FileRequest request{"NavBin Files (*.nvb)|*.nvb|All Files (*.*)|*.*", ".nvb", " ",
                                     true};
  std::optional<std::string> file = prompter_.chooseFile(request);
  if (!file) return;
  rawLogFileName = std::move(*file);
  display_.setText(Form::LogNavBin, reports::names::Panel_Filename, rawLogFileName);
}

void RawLog::Start(bool append) {
  if (active()) return;
  if (rawLogFileName == " ") {
    prompter_.message("No NavBin file selected.", "Error", reports::Icon::Exclamation);
    return;
  }
  if (!append) {
    if (std::FILE* file = std::fopen(rawLogFileName.c_str(), "wb")) std::fclose(file);
  }
  rawLogFile_ = std::fopen(rawLogFileName.c_str(), "ab");
  if (!rawLogFile_) {
    prompter_.message("Unable to open data record file.", "Error", reports::Icon::None);
    return;
  }
  // Unbuffered: a tick's frames leave in one write.
  std::setvbuf(rawLogFile_, nullptr, _IONBF, 0);
  std::fseek(rawLogFile_, 0, SEEK_END);
  written_ = std::ftell(rawLogFile_);
  pending_.clear();
  fault_.clear();
  globals_.rawLogActive = 1;
  ShowRecordState(display_, dataLog_.dataLogOn != 0, true);
  display_.setHint(Form::Main, reports::names::Panel_Record, std::string(kRecordHint));
  display_.setEnabled(Form::LogNavBin, reports::names::Button_Open, false);
  display_.setEnabled(Form::LogNavBin, reports::names::Button_Start, false);
  ShowOnOff(display_, Form::LogNavBin, true);
}

void RawLog::Stop() {
  globals_.rawLogActive = 0;
  ShowRecordState(display_, dataLog_.dataLogOn != 0, false);
  display_.setColour(Form::Main, reports::names::Panel_Record, Colour::ButtonFace);
  display_.setHint(Form::Main, reports::names::Panel_Record, std::string(kRecordHint));
  display_.setEnabled(Form::LogNavBin, reports::names::Button_Open, true);
  display_.setEnabled(Form::LogNavBin, reports::names::Button_Start, true);
  ShowOnOff(display_, Form::LogNavBin, false);
  closeFile();
}

void RawLog::writeRawPacket(int id, const std::uint8_t* payload, std::size_t length) {
  if (!rawLogFile_) return;
  AppendRawFrame(pending_, id, payload, length);
}

// A failed write is cut back to the last whole frame, so later frames still
// follow a frame boundary; Panel_Record turns red with the reason as hint.
// The fault lasts until a tick's frames are written whole again.
void RawLog::flush() {
  if (!rawLogFile_ || pending_.empty()) return;
  const std::size_t n = std::fwrite(pending_.data(), 1, pending_.size(), rawLogFile_);
  if (n == pending_.size()) {
    written_ += static_cast<long>(n);
    fault_.clear();
  } else {
    fault_ = "NavBin log: cannot write " + rawLogFileName + ": " + std::strerror(errno);
    ++writeErrors_;
    std::clearerr(rawLogFile_);
    if (written_ >= 0 && ::ftruncate(::fileno(rawLogFile_), written_) == 0) {
      std::fseek(rawLogFile_, 0, SEEK_END);
    }
    display_.setColour(Form::Main, reports::names::Panel_Record, Colour::Red);
    display_.setHint(Form::Main, reports::names::Panel_Record, fault_);
  }
  pending_.clear();
}

void RawLog::closeFile() {
  if (!rawLogFile_) return;
  flush();
  std::fclose(rawLogFile_);
  rawLogFile_ = nullptr;
}

}  // namespace navbin::logging
