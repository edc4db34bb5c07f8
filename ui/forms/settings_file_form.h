#pragma once
// The window of a whole-settings save or restore: the file, one row per
// settings group with its outcome in the status colours and the fields that
// differ, and a summary line. It has no logic of its own.

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <vector>

#include "config/settings_procedure.h"
#include "protocol/presentation/display.h"
#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_SettingsFile : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_SettingsFile(QWidget* parent);

  // "Saved to" or "Restored from", and the file.
  void setFile(const QString& what, const QString& path);
  // One row per group, in the order of `results`; a row keeps the
  // differences last given for its group until the results bring their own.
  void showResults(const std::vector<config::GroupResult>& results);
  // The differences between the file and the receiver before a restore.
  void showDifferences(const std::vector<config::Difference>& differences);
  void setSummary(const QString& text) { Label_Summary->setText(text); }

  // The colour of a group's outcome.
  static reports::Colour OutcomeColour(config::GroupOutcome outcome);

  QLabel* Label_File = nullptr;
  QTreeWidget* ListView_Groups = nullptr;
  QLabel* Label_Summary = nullptr;
  QPushButton* Button_Close = nullptr;

 private:
  QTreeWidgetItem* rowAt(int index, const QString& group);
};

}  // namespace navbin::ui
