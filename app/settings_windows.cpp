#include "app/settings_windows.h"

#include "app/main_form.h"
#include "config/settings_file.h"
#include "config/text_file.h"
#include "transfer/foreground.h"

namespace navbin::app {

namespace {
constexpr const char* kSaveCaption = "Save Receiver Settings";
constexpr const char* kRestoreCaption = "Restore Receiver Settings";

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}
}  // namespace

SettingsWindows::SettingsWindows(TForm_Main& form, transfer::TransferView& view)
    : QObject(&form),
      form_(form),
      view_(view),
      link_(form.core(), form.display(), view),
      window_(new ui::TForm_SettingsFile(&form)) {
  using T = TForm_Main::Transfer;
  form.setTransferHandler(T::SaveSettings, [this] { save(); });
  form.setTransferHandler(T::RestoreSettings, [this] { restore(); });
}

std::optional<std::string> SettingsWindows::chooseFile(bool forSaving) {
  return form_.prompter().chooseFile({"Settings Files (*.json)|*.json|All Files (*.*)|*.*", ".json",
                                      " ", forSaving, forSaving ? kSaveCaption : kRestoreCaption});
}

bool SettingsWindows::displayPortOpen(const char* caption) {
  if (link_.displayPort()) return true;
  form_.prompter().message("The display port is not open.", caption, reports::Icon::Error);
  return false;
}

void SettingsWindows::save() {
  if (!displayPortOpen(kSaveCaption)) return;
  const auto path = chooseFile(true);
  if (!path) return;
  window_->setFile("Saved to", Text(*path));
  window_->show();
  window_->raise();
  std::vector<std::string> unanswered;
  config::SettingsSnapshot snapshot;
  {
    transfer::ForegroundScope hold(view_);
    snapshot = config::SettingsProcedure(link_).read(unanswered);
  }
  const auto results = config::ReadResults(snapshot, unanswered);
  window_->showResults(results);
  const std::string previous = config::ReadTextFile(*path).value_or("");
  if (!config::WriteTextFile(*path, config::WriteSettingsFile(snapshot, previous))) {
    window_->setSummary("Cannot write the file.");
    form_.prompter().message("Cannot write " + *path, kSaveCaption, reports::Icon::Error);
    return;
  }
  window_->setSummary(Text(config::OutcomeSummary(results)));
}

// The file is read and checked whole first: a bad file is named in a
// message and nothing is sent.
void SettingsWindows::restore() {
  if (!displayPortOpen(kRestoreCaption)) return;
  const auto path = chooseFile(false);
  if (!path) return;
  const auto text = config::ReadTextFile(*path);
  std::string error = "cannot read the file";
  const auto file = text ? config::ReadSettingsFile(*text, error) : std::nullopt;
  if (!file) {
    form_.prompter().message(*path + ": " + error, kRestoreCaption, reports::Icon::Error);
    return;
  }
  window_->setFile("Restored from", Text(*path));
  auto results = config::ReadResults(*file, {});
  for (auto& r : results) r.outcome = config::GroupOutcome::Waiting;
  window_->showResults(results);
  window_->show();
  window_->raise();
  {
    transfer::ForegroundScope hold(view_);
    config::SettingsProcedure procedure(link_);
    std::vector<std::string> unanswered;
    window_->showDifferences(config::Differences(*file, procedure.read(unanswered, &*file)));
    view_.refresh();
    results = procedure.restore(*file, [this](const std::vector<config::GroupResult>& now) {
      window_->showResults(now);
      view_.refresh();
    });
  }
  window_->setSummary(Text(config::OutcomeSummary(results)));
}

}  // namespace navbin::app
