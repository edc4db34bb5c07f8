#pragma once
// Prompter over Qt's modal message boxes and file dialogs.

#include <QPointer>
#include <QWidget>

#include "protocol/presentation/prompter.h"

namespace navbin::ui {

class QtPrompter final : public reports::Prompter {
 public:
  explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  void message(const std::string& text, const std::string& caption, reports::Icon icon) override;
  bool ask(const std::string& text, const std::string& caption, reports::Icon icon,
           bool noIsDefault) override;
  std::optional<std::string> chooseFile(const reports::FileRequest& request) override;

  // "Data Files (*.dat)|*.dat|All Files (*.*)|*.*" to "Data Files (*.dat);;All Files (*.*)".
  static QString ToQtFilter(const std::string& filter);

 private:
  QPointer<QWidget> parent_;
};

}  // namespace navbin::ui
