#include "config/settings_procedure.h"

#include <algorithm>
#include <ctime>

#include "link/framing.h"
#include "protocol/commands/line_codes.h"

namespace navbin::config {

namespace {

using settings::SerialPort;

link::LineSettings LineOf(const SerialPort& record) {
  return {record.inputBaud, record.dataBits, record.parity, record.stopBits};
}

bool SameLine(const link::LineSettings& a, const link::LineSettings& b) {
  return commands::BaudRateOfCode(a.baudCode) == commands::BaudRateOfCode(b.baudCode) &&
         a.dataBitsCode == b.dataBitsCode && a.parityCode == b.parityCode &&
         a.stopBitsCode == b.stopBitsCode;
}

}  // namespace

std::string_view OutcomeText(GroupOutcome outcome) {
  switch (outcome) {
    case GroupOutcome::Waiting:
      return "waiting";
    case GroupOutcome::Sent:
      return "sent";
    case GroupOutcome::Confirmed:
      return "confirmed";
    case GroupOutcome::Refused:
      return "refused";
    case GroupOutcome::NoAnswer:
      return "no answer";
    case GroupOutcome::Read:
      return "read";
  }
  return "?";
}

template <class R>
std::optional<R> SettingsProcedure::query(const Group<R>& group) {
  if (!link_.send(group.query)) return std::nullopt;
  const auto payload = link_.await(group.report, timeout_);
  if (!payload) return std::nullopt;
  return settings::Parse<R>(*payload);
}

SettingsSnapshot SettingsProcedure::read(std::vector<std::string>& unanswered,
                                         const SettingsSnapshot* only) {
  SettingsSnapshot snapshot;
  if (!only) {
    snapshot.identity.readAt = UtcNowText();
    const auto version = link_.send(commands::BuildRequestVersion())
                             ? link_.await(kVersionReport, timeout_)
                             : std::nullopt;
    if (version) snapshot.identity.version = reports::ParseVersion(*version);
    if (!snapshot.identity.version) unanswered.push_back("receiver");
  }
  ForEachGroup(snapshot, [&](const auto& group, auto& slot) {
    bool wanted = true;
    if (only) {
      ForEachGroup(*only, [&](const auto& other, const auto& otherSlot) {
        if (other.name == group.name) wanted = otherSlot.has_value();
      });
    }
    if (!wanted) return;
    slot = query(group);
    if (!slot) unanswered.push_back(group.name);
  });
  return snapshot;
}

void SettingsProcedure::notify() {
  if (hook_) hook_(results_);
}

template <class R>
void SettingsProcedure::readBack(const Group<R>& group, const R& record, GroupResult& result) {
  const std::optional<R> reported = query(group);
  result.differences.clear();
  if (!reported) {
    result.outcome = GroupOutcome::NoAnswer;
  } else {
    AppendDifferences(group.name, record, *reported, result.differences);
    result.outcome = result.differences.empty() ? GroupOutcome::Confirmed : GroupOutcome::Refused;
  }
  notify();
}

template <class R>
void SettingsProcedure::restoreGroup(const Group<R>& group, const R& record, GroupResult& result) {
  if (!link_.send(group.buildSet(record))) {
    result.outcome = GroupOutcome::NoAnswer;
    notify();
    return;
  }
  result.outcome = GroupOutcome::Sent;
  notify();
  readBack(group, record, result);
}

// The receiver takes the new settings once its confirmation has left; the
// PC side moves once the command has left, and reads the group back at the
// new settings. Without an answer there it goes back and asks again, so a
// receiver that kept its line is seen to have refused.
void SettingsProcedure::restoreArrivalLine(const Group<SerialPort>& group, const SerialPort& record,
                                           GroupResult& result) {
  const link::LineSettings old = link_.line();
  const link::LineSettings line = LineOf(record);
  if (SameLine(old, line)) {
    restoreGroup(group, record, result);
    return;
  }
  SerialPort sent = record;
  sent.port = settings::kArrivalPort;
  const commands::CommandPacket packet = group.buildSet(sent);
  if (!link_.send(packet)) {
    result.outcome = GroupOutcome::NoAnswer;
    notify();
    return;
  }
  result.outcome = GroupOutcome::Sent;
  notify();
  const auto drain = commands::FrameDrainTime(old, link::FrameLength(packet.view()));
  if (link_.follow(line, drain)) readBack(group, record, result);
  if (result.outcome == GroupOutcome::Confirmed) return;
  if (link_.follow(old, drain)) readBack(group, record, result);
}

std::optional<std::uint8_t> SettingsProcedure::arrivalPort() {
  if (!link_.send(commands::BuildRequestSerialPortConfiguration(settings::kArrivalPort))) {
    return std::nullopt;
  }
  const auto payload = link_.await(kAnySerialPortReport, timeout_);
  if (!payload || payload->empty()) return std::nullopt;
  return (*payload)[0];
}

std::vector<GroupResult> SettingsProcedure::restore(const SettingsSnapshot& file,
                                                    const ProgressHook& hook) {
  hook_ = hook;
  results_.clear();
  const std::optional<std::uint8_t> arrival = arrivalPort();
  const auto isArrival = [&](const auto& slot) {
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(*slot)>, SerialPort>) {
      return arrival && slot->port == *arrival;
    }
    return false;
  };
  std::string last;
  ForEachGroup(file, [&](const auto& group, const auto& slot) {
    if (!slot) return;
    if (isArrival(slot)) {
      last = group.name;
    } else {
      results_.emplace_back().group = group.name;
    }
  });
  if (!last.empty()) results_.emplace_back().group = last;
  notify();

  std::size_t next = 0;
  const auto resultOf = [&](const std::string& name) -> GroupResult& {
    return *std::find_if(results_.begin(), results_.end(),
                         [&](const GroupResult& r) { return r.group == name; });
  };
  ForEachGroup(file, [&](const auto& group, const auto& slot) {
    if (slot && !isArrival(slot)) restoreGroup(group, *slot, results_[next++]);
  });
  if (!last.empty()) {
    ForEachGroup(file, [&](const auto& group, const auto& slot) {
      if constexpr (std::is_same_v<std::remove_cvref_t<decltype(group)>, Group<SerialPort>>) {
        if (group.name == last) restoreArrivalLine(group, *slot, resultOf(last));
      }
    });
  }
  hook_ = {};
  return results_;
}

bool SettingsProcedure::saveToFlash() {
  return link_.send(commands::BuildSaveToFlash()) &&
         link_.await(kSavedToFlashReport, timeout_).has_value();
}

std::vector<Difference> Differences(const SettingsSnapshot& file,
                                    const SettingsSnapshot& receiver) {
  std::vector<Difference> out;
  ForEachGroup(file, [&](const auto& group, const auto& slot) {
    ForEachGroup(receiver, [&](const auto& other, const auto& otherSlot) {
      if constexpr (std::is_same_v<decltype(slot), decltype(otherSlot)>) {
        if (slot && otherSlot && other.name == group.name) {
          AppendDifferences(group.name, *slot, *otherSlot, out);
        }
      }
    });
  });
  return out;
}

std::vector<GroupResult> ReadResults(const SettingsSnapshot& snapshot,
                                     const std::vector<std::string>& unanswered) {
  std::vector<GroupResult> results;
  ForEachGroup(snapshot, [&](const auto& group, const auto& slot) {
    const bool missing =
        std::find(unanswered.begin(), unanswered.end(), group.name) != unanswered.end();
    if (!slot && !missing) return;
    GroupResult& r = results.emplace_back();
    r.group = group.name;
    r.outcome = slot ? GroupOutcome::Read : GroupOutcome::NoAnswer;
  });
  return results;
}

std::string OutcomeSummary(const std::vector<GroupResult>& results) {
  std::string text = std::to_string(results.size()) + (results.size() == 1 ? " group" : " groups");
  const char* separator = ": ";
  for (GroupOutcome outcome : {GroupOutcome::Read, GroupOutcome::Confirmed, GroupOutcome::Refused,
                               GroupOutcome::NoAnswer, GroupOutcome::Sent, GroupOutcome::Waiting}) {
    const auto n = std::count_if(results.begin(), results.end(),
                                 [&](const GroupResult& r) { return r.outcome == outcome; });
    if (n == 0) continue;
    text += separator + std::to_string(n) + " " + std::string(OutcomeText(outcome));
    separator = ", ";
  }
  return text;
}

std::string UtcNowText() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

}  // namespace navbin::config
