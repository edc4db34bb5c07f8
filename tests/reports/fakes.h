#pragma once
// Recording stand-ins for the windows, the message boxes and the clock.

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/system_clock.h"
#include "protocol/reports/display.h"
#include "protocol/reports/prompter.h"

namespace navbin::reports::test {

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

class FakeDisplay final : public Display {
 public:
  using Key = std::pair<Form, std::string>;

  void setText(Form f, std::string_view c, const std::string& t) override { write(f, c).text = t; }
  std::string text(Form f, std::string_view c) const override { return read(f, c).text; }
  void setColour(Form f, std::string_view c, Colour colour) override {
    write(f, c).colour = colour;
  }
  Colour colour(Form f, std::string_view c) const override { return read(f, c).colour; }
  void setTextColour(Form f, std::string_view c, Colour colour) override {
    write(f, c).textColour = colour;
  }
  void setHint(Form f, std::string_view c, const std::string& h) override { write(f, c).hint = h; }
  void setVisible(Form f, std::string_view c, bool v) override { write(f, c).visible = v; }
  void setEnabled(Form f, std::string_view c, bool e) override { write(f, c).enabled = e; }
  void setChecked(Form f, std::string_view c, bool v) override { write(f, c).checked = v; }
  bool checked(Form f, std::string_view c) const override { return read(f, c).checked; }
  void setSelectedIndex(Form f, std::string_view c, int i) override { write(f, c).selected = i; }
  int selectedIndex(Form f, std::string_view c) const override { return read(f, c).selected; }
  void setItems(Form f, std::string_view c, const std::vector<std::string>& items) override {
    write(f, c).items = items;
  }

  // The state of a control, as tests set it up or read it back.
  ControlState& at(Form f, std::string_view c) { return controls_[{f, std::string(c)}]; }
  const ControlState& get(Form f, std::string_view c) const { return read(f, c); }
  bool wasWritten(Form f, std::string_view c) const {
    return written_.count({f, std::string(c)}) != 0;
  }
  // Every control any setter reached, and how many setter calls there were.
  const std::set<Key>& written() const { return written_; }
  int writes() const { return writes_; }
  void forgetWrites() {
    written_.clear();
    writes_ = 0;
  }

 private:
  ControlState& write(Form f, std::string_view c) {
    Key key{f, std::string(c)};
    written_.insert(key);
    ++writes_;
    return controls_[key];
  }
  const ControlState& read(Form f, std::string_view c) const {
    static const ControlState kUnset;
    auto it = controls_.find({f, std::string(c)});
    return it == controls_.end() ? kUnset : it->second;
  }

  std::map<Key, ControlState> controls_;
  std::set<Key> written_;
  int writes_ = 0;
};

struct Message {
  std::string text;
  std::string caption;
  Icon icon = Icon::None;
};

class FakePrompter final : public Prompter {
 public:
  void message(const std::string& text, const std::string& caption, Icon icon) override {
    messages.push_back({text, caption, icon});
  }
  bool ask(const std::string& text, const std::string& caption, Icon icon, bool) override {
    messages.push_back({text, caption, icon});
    return answerYes;
  }
  std::optional<std::string> chooseFile(const FileRequest& request) override {
    requests.push_back(request);
    if (files.empty()) return std::nullopt;
    auto answer = files.front();
    files.pop_front();
    return answer;
  }

  std::vector<Message> messages;
  std::vector<FileRequest> requests;
  std::deque<std::optional<std::string>> files;  // answers of chooseFile, in order
  bool answerYes = true;
};

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

}  // namespace navbin::reports::test
