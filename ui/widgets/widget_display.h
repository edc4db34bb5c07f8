#pragma once
// Display over the real windows: finds each control by its objectName in the
// window registered for its Form, and applies the call by the control's kind
// (Panel, Shape, QLabel, QLineEdit, QTextEdit, QAbstractButton, QComboBox,
// RadioGroup, QAction for menu check marks). A call on a control that no window
// has changes nothing, so a report never fails because a window lacks a cell;
// it is recorded in misses() and warned about once, so that a misspelled or
// missing name shows up in the tests and on the console.

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <array>
#include <compare>
#include <set>
#include <string>

#include "protocol/presentation/display.h"

namespace navbin::ui {

// A control that a Display call named and that its window does not have.
struct ControlMiss {
  reports::Form form;
  std::string name;
  auto operator<=>(const ControlMiss&) const = default;
};

class WidgetDisplay final : public reports::Display {
 public:
  // The window that holds the controls of `form`.
  void registerForm(reports::Form form, QWidget* window);
  QWidget* form(reports::Form form) const;
  // The control `name` of `form`, or null.
  QObject* control(reports::Form form, reports::ControlName name) const;
  // Every control the Display calls below asked for and did not find, once
  // each; a form with no window registered counts as having no controls.
  const std::set<ControlMiss>& misses() const { return misses_; }

  void setText(reports::Form form, reports::ControlName control, const std::string& text) override;
  std::string text(reports::Form form, reports::ControlName control) const override;
  void setColour(reports::Form form, reports::ControlName control, reports::Colour colour) override;
  reports::Colour colour(reports::Form form, reports::ControlName control) const override;
  void setTextColour(reports::Form form, reports::ControlName control,
                     reports::Colour colour) override;
  void setHint(reports::Form form, reports::ControlName control, const std::string& hint) override;
  void setVisible(reports::Form form, reports::ControlName control, bool visible) override;
  void setEnabled(reports::Form form, reports::ControlName control, bool enabled) override;
  void setChecked(reports::Form form, reports::ControlName control, bool checked) override;
  bool checked(reports::Form form, reports::ControlName control) const override;
  void setSelectedIndex(reports::Form form, reports::ControlName control, int index) override;
  int selectedIndex(reports::Form form, reports::ControlName control) const override;
  void setItems(reports::Form form, reports::ControlName control,
                const std::vector<std::string>& items) override;

 private:
  // control(), recording a miss.
  QObject* find(reports::Form form, reports::ControlName name) const;

  static constexpr std::size_t kFormCount = static_cast<std::size_t>(reports::Form::Comm) + 1;
  std::array<QPointer<QWidget>, kFormCount> forms_{};
  mutable std::array<QHash<QString, QPointer<QObject>>, kFormCount> cache_{};
  mutable std::set<ControlMiss> misses_;
};

}  // namespace navbin::ui
