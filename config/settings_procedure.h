#pragma once
// Reading, comparing and restoring a receiver's whole settings over one line.
// Every wait is bounded by the time-out; a group that does not answer is
// named and the procedure goes on with the next.

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "config/field_values.h"
#include "config/settings_link.h"
#include "config/settings_snapshot.h"

namespace navbin::config {

// A group's state in a restore (Waiting to Confirmed, Refused or NoAnswer),
// or in a reading (Read or NoAnswer).
enum class GroupOutcome { Waiting, Sent, Confirmed, Refused, NoAnswer, Read };

// "waiting", "sent", "confirmed", "refused", "no answer", "read"
std::string_view OutcomeText(GroupOutcome outcome);

struct GroupResult {
  std::string group;
  GroupOutcome outcome = GroupOutcome::Waiting;
  std::vector<Difference> differences;  // when refused: where the receiver reports otherwise
};

// Called with every group's result whenever one of them changes.
using ProgressHook = std::function<void(const std::vector<GroupResult>&)>;

class SettingsProcedure {
 public:
  static constexpr std::chrono::milliseconds kDefaultTimeout{2000};

  explicit SettingsProcedure(SettingsLink& link,
                             std::chrono::milliseconds timeout = kDefaultTimeout)
      : link_(link), timeout_(timeout) {}

  // The identity and every group, or only the groups `only` holds; the names
  // of those that did not answer go to `unanswered` ("receiver" for the identity).
  SettingsSnapshot read(std::vector<std::string>& unanswered,
                        const SettingsSnapshot* only = nullptr);

  // Sends each group `file` holds, reads it back and compares. The serial
  // group of the port this line arrives on goes last; when it changes the
  // line, the PC side follows it once the command has left.
  std::vector<GroupResult> restore(const SettingsSnapshot& file, const ProgressHook& hook = {});

  // Asks the receiver to keep its settings in non-volatile memory; true once it says it did.
  bool saveToFlash();

 private:
  template <class R>
  std::optional<R> query(const Group<R>& group);
  template <class R>
  void restoreGroup(const Group<R>& group, const R& record, GroupResult& result);
  template <class R>
  void readBack(const Group<R>& group, const R& record, GroupResult& result);
  void restoreArrivalLine(const Group<settings::SerialPort>& group,
                          const settings::SerialPort& record, GroupResult& result);
  // The receiver port this line arrives on, if the receiver says.
  std::optional<std::uint8_t> arrivalPort();
  void notify();

  SettingsLink& link_;
  std::chrono::milliseconds timeout_;
  std::vector<GroupResult> results_;
  ProgressHook hook_;
};

// The differences between the groups `file` holds and the same groups of
// `receiver`, in file order; groups `receiver` lacks are left out.
std::vector<Difference> Differences(const SettingsSnapshot& file, const SettingsSnapshot& receiver);

// The outcomes of a reading: each group of the file order, Read when
// `snapshot` holds it, NoAnswer when it is named in `unanswered`.
std::vector<GroupResult> ReadResults(const SettingsSnapshot& snapshot,
                                     const std::vector<std::string>& unanswered);

// "12 groups: 11 confirmed, 1 refused": how many groups, and of each outcome.
std::string OutcomeSummary(const std::vector<GroupResult>& results);

// UTC now, as 2026-01-31T12:00:00Z.
std::string UtcNowText();

}  // namespace navbin::config
