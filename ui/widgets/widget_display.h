#pragma once
// Display over the real windows: finds each control by its objectName in the
// window registered for its Form, and applies the call by the control's kind
// (Panel, Shape, QLabel, QLineEdit, QTextEdit, QAbstractButton, QComboBox,
// RadioGroup, QAction for menu check marks). Unknown controls are ignored, so
// a report never fails because a window lacks a cell.

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <array>

#include "protocol/reports/display.h"

namespace navbin::ui {

class WidgetDisplay final : public reports::Display {
 public:
  // The window that holds the controls of `form`.
  void registerForm(reports::Form form, QWidget* window);
  QWidget* form(reports::Form form) const;
  // The control `name` of `form`, or null.
  QObject* control(reports::Form form, std::string_view name) const;

  void setText(reports::Form form, std::string_view control, const std::string& text) override;
  std::string text(reports::Form form, std::string_view control) const override;
  void setColour(reports::Form form, std::string_view control, reports::Colour colour) override;
  reports::Colour colour(reports::Form form, std::string_view control) const override;
  void setTextColour(reports::Form form, std::string_view control, reports::Colour colour) override;
  void setHint(reports::Form form, std::string_view control, const std::string& hint) override;
  void setVisible(reports::Form form, std::string_view control, bool visible) override;
  void setEnabled(reports::Form form, std::string_view control, bool enabled) override;
  void setChecked(reports::Form form, std::string_view control, bool checked) override;
  bool checked(reports::Form form, std::string_view control) const override;
  void setSelectedIndex(reports::Form form, std::string_view control, int index) override;
  int selectedIndex(reports::Form form, std::string_view control) const override;
  void setItems(reports::Form form, std::string_view control,
                const std::vector<std::string>& items) override;

 private:
  static constexpr std::size_t kFormCount = static_cast<std::size_t>(reports::Form::Comm) + 1;
  std::array<QPointer<QWidget>, kFormCount> forms_{};
  mutable std::array<QHash<QString, QPointer<QObject>>, kFormCount> cache_{};
};

}  // namespace navbin::ui
