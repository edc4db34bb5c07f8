#pragma once
// The windows and message boxes of a program without a display: a Display
// that keeps only the check marks (a decoder reads the Bias box of the data
// log), and a Prompter that writes each message to standard error once.

#include <cstdio>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "protocol/presentation/display.h"
#include "protocol/presentation/prompter.h"

namespace navbin::tools {

class HeadlessDisplay final : public reports::Display {
 public:
  void setText(reports::Form, reports::ControlName, const std::string&) override {}
  std::string text(reports::Form, reports::ControlName) const override { return {}; }
  void setColour(reports::Form, reports::ControlName, reports::Colour) override {}
  // Lamps read back grey, so the monitor cycle has none to put out.
  reports::Colour colour(reports::Form, reports::ControlName) const override {
    return reports::Colour::Gray;
  }
  void setTextColour(reports::Form, reports::ControlName, reports::Colour) override {}
  void setHint(reports::Form, reports::ControlName, const std::string&) override {}
  void setVisible(reports::Form, reports::ControlName, bool) override {}
  void setEnabled(reports::Form, reports::ControlName, bool) override {}
  void setChecked(reports::Form form, reports::ControlName control, bool on) override;
  bool checked(reports::Form form, reports::ControlName control) const override;
  void setSelectedIndex(reports::Form, reports::ControlName, int) override {}
  int selectedIndex(reports::Form, reports::ControlName) const override { return -1; }
  void setItems(reports::Form, reports::ControlName, const std::vector<std::string>&) override {}

 private:
  std::set<std::pair<reports::Form, std::string>> checked_;
};

// Messages go to `out` as "<program>: <caption>: <text>", each distinct one
// only once; questions are answered No and file choosers cancelled.
class StderrPrompter final : public reports::Prompter {
 public:
  StderrPrompter(std::string program, std::FILE* out) : program_(std::move(program)), out_(out) {}

  void message(const std::string& text, const std::string& caption, reports::Icon) override;
  bool ask(const std::string&, const std::string&, reports::Icon, bool) override { return false; }
  std::optional<std::string> chooseFile(const reports::FileRequest&) override { return {}; }

 private:
  std::string program_;
  std::FILE* out_;
  std::set<std::string> shown_;
};

}  // namespace navbin::tools
