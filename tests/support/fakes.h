#pragma once
// Recording stand-ins for the windows, the message boxes and the clock.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/system_clock.h"
#include "protocol/presentation/display.h"
#include "protocol/presentation/prompter.h"

namespace navbin::support {

using reports::Colour;
using reports::Form;

// A control as a test names it: by its shared constant, or spelled out, which
// checks the constant's spelling too.
struct Named {
  Named(reports::ControlName control) : name(control) {}            // NOLINT
  Named(const char* text) : name(std::string_view(text)) {}         // NOLINT
  Named(std::string_view text) : name(text) {}                      // NOLINT
  Named(const std::string& text) : name(std::string_view(text)) {}  // NOLINT
  operator reports::ControlName() const { return name; }            // NOLINT
  reports::ControlName name;
};

// What one control shows; fields not yet written keep these defaults.
struct ControlState {
  std::string text;
  Colour colour = Colour::Window;
  Colour textColour = Colour::WindowText;
  std::string hint;
  bool visible = true;
  bool enabled = true;
  bool checked = false;
  int selected = -1;
  std::vector<std::string> items;
};

// Remembers the last value of every control and which controls were written.
class FakeDisplay final : public reports::Display {
 public:
  using Key = std::pair<Form, std::string>;

  void setText(Form f, reports::ControlName c, const std::string& t) override {
    write(f, c).text = t;
  }
  std::string text(Form f, reports::ControlName c) const override { return get(f, c).text; }
  void setColour(Form f, reports::ControlName c, Colour v) override { write(f, c).colour = v; }
  Colour colour(Form f, reports::ControlName c) const override { return get(f, c).colour; }
  void setTextColour(Form f, reports::ControlName c, Colour v) override {
    write(f, c).textColour = v;
  }
  void setHint(Form f, reports::ControlName c, const std::string& h) override {
    write(f, c).hint = h;
  }
  void setVisible(Form f, reports::ControlName c, bool v) override { write(f, c).visible = v; }
  void setEnabled(Form f, reports::ControlName c, bool v) override { write(f, c).enabled = v; }
  void setChecked(Form f, reports::ControlName c, bool v) override { write(f, c).checked = v; }
  bool checked(Form f, reports::ControlName c) const override { return get(f, c).checked; }
  void setSelectedIndex(Form f, reports::ControlName c, int i) override {
    write(f, c).selected = i;
  }
  int selectedIndex(Form f, reports::ControlName c) const override { return get(f, c).selected; }
  void setItems(Form f, reports::ControlName c, const std::vector<std::string>& items) override {
    write(f, c).items = items;
  }

  // A control as a test sets it up (not counted as written) or reads it back.
  ControlState& at(Form f, std::string_view c) { return controls_[{f, std::string(c)}]; }
  const ControlState& get(Form f, std::string_view c) const {
    static const ControlState kUnset;
    const auto it = controls_.find({f, std::string(c)});
    return it == controls_.end() ? kUnset : it->second;
  }
  const ControlState& main(std::string_view c) const { return get(Form::Main, c); }
  ControlState& at(Form f, reports::ControlName c) { return at(f, c.text()); }
  const ControlState& get(Form f, reports::ControlName c) const { return get(f, c.text()); }
  const ControlState& main(reports::ControlName c) const { return main(c.text()); }

  bool wasWritten(Form f, std::string_view c) const {
    return written_.count({f, std::string(c)}) != 0;
  }
  bool wasWritten(Form f, reports::ControlName c) const { return wasWritten(f, c.text()); }
  // Every control a setter reached, and how many setter calls there were.
  const std::set<Key>& written() const { return written_; }
  int writes() const { return writes_; }

 private:
  ControlState& write(Form f, reports::ControlName c) {
    written_.insert({f, std::string(c.text())});
    ++writes_;
    return at(f, c);
  }

  std::map<Key, ControlState> controls_;
  std::set<Key> written_;
  int writes_ = 0;
};

struct Box {
  std::string text;
  std::string caption;
  reports::Icon icon = reports::Icon::None;
  bool question = false;
  bool noIsDefault = false;
};

// Records every box; answers questions and file choices from scripts.
class ScriptedPrompter final : public reports::Prompter {
 public:
  void message(const std::string& text, const std::string& caption, reports::Icon icon) override {
    boxes.push_back({text, caption, icon, false});
    if (whileOpen) whileOpen();
  }
  // Answers from `answers` in order, then `otherwise`.
  bool ask(const std::string& text, const std::string& caption, reports::Icon icon,
           bool noIsDefault) override {
    boxes.push_back({text, caption, icon, true, noIsDefault});
    if (answers.empty()) return otherwise;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  // Answers from `files` in order, then cancels.
  std::optional<std::string> chooseFile(const reports::FileRequest& request) override {
    requests.push_back(request);
    if (files.empty()) return std::nullopt;
    std::optional<std::string> file = files.front();
    files.pop_front();
    return file;
  }
  // Every box so far as "caption: text".
  std::vector<std::string> shown() const {
    std::vector<std::string> lines;
    for (const Box& box : boxes) lines.push_back(box.caption + ": " + box.text);
    return lines;
  }

  std::vector<Box> boxes;
  std::deque<bool> answers;
  bool otherwise = false;
  std::deque<std::optional<std::string>> files;
  std::vector<reports::FileRequest> requests;
  // Runs while a message box is open, as the nested event loop of a real box.
  std::function<void()> whileOpen;
};

// Shows a fixed time and records every attempt to set it.
class FakeClock final : public platform::SystemClock {
 public:
  platform::CalendarTime nowUtc() const override { return now; }
  bool setUtc(const platform::CalendarTime& time) override {
    set.push_back(time);
    return accept;
  }

  platform::CalendarTime now;
  std::vector<platform::CalendarTime> set;
  bool accept = true;
};

}  // namespace navbin::support
