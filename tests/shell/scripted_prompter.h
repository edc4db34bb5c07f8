#pragma once
// A Prompter that records every box and answers from a script, for tests.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "protocol/reports/prompter.h"

namespace navbin::shell_testing {

struct Box {
  std::string text;
  std::string caption;
  reports::Icon icon = reports::Icon::None;
  bool question = false;
};

class ScriptedPrompter final : public reports::Prompter {
 public:
  void message(const std::string& text, const std::string& caption, reports::Icon icon) override {
    boxes.push_back({text, caption, icon, false});
  }
  // Answers from `answers` in order; No once they run out.
  bool ask(const std::string& text, const std::string& caption, reports::Icon icon, bool) override {
    boxes.push_back({text, caption, icon, true});
    if (answers.empty()) return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  std::optional<std::string> chooseFile(const reports::FileRequest& request) override {
    requests.push_back(request);
    if (files.empty()) return std::nullopt;
    std::optional<std::string> file = files.front();
    files.pop_front();
    return file;
  }

  std::vector<Box> boxes;
  std::deque<bool> answers;
  std::deque<std::optional<std::string>> files;
  std::vector<reports::FileRequest> requests;
};

}  // namespace navbin::shell_testing
