#pragma once
// A Display that remembers the last value of every control, for tests.

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "protocol/reports/display.h"

namespace navbin::shell_testing {

struct ControlState {
  std::string text;
  reports::Colour colour = reports::Colour::Window;
  reports::Colour textColour = reports::Colour::WindowText;
  std::string hint;
  bool visible = true;
  bool enabled = true;
  bool checked = false;
  int selected = -1;
  std::vector<std::string> items;
  int colourWrites = 0;  // setColour calls
};

class RecordingDisplay final : public reports::Display {
 public:
  using Key = std::pair<reports::Form, std::string>;

  void setText(reports::Form f, std::string_view c, const std::string& text) override {
    at(f, c).text = text;
    ++textWrites;
  }
  std::string text(reports::Form f, std::string_view c) const override { return get(f, c).text; }
  void setColour(reports::Form f, std::string_view c, reports::Colour colour) override {
    ControlState& s = at(f, c);
    s.colour = colour;
    ++s.colourWrites;
  }
  reports::Colour colour(reports::Form f, std::string_view c) const override {
    return get(f, c).colour;
  }
  void setTextColour(reports::Form f, std::string_view c, reports::Colour colour) override {
    at(f, c).textColour = colour;
  }
  void setHint(reports::Form f, std::string_view c, const std::string& hint) override {
    at(f, c).hint = hint;
  }
  void setVisible(reports::Form f, std::string_view c, bool visible) override {
    at(f, c).visible = visible;
  }
  void setEnabled(reports::Form f, std::string_view c, bool enabled) override {
    at(f, c).enabled = enabled;
  }
  void setChecked(reports::Form f, std::string_view c, bool checked) override {
    at(f, c).checked = checked;
  }
  bool checked(reports::Form f, std::string_view c) const override { return get(f, c).checked; }
  void setSelectedIndex(reports::Form f, std::string_view c, int index) override {
    at(f, c).selected = index;
  }
  int selectedIndex(reports::Form f, std::string_view c) const override {
    return get(f, c).selected;
  }
  void setItems(reports::Form f, std::string_view c,
                const std::vector<std::string>& items) override {
    at(f, c).items = items;
  }

  // The state of a control of the main window (defaults if never written).
  const ControlState& main(std::string_view c) const { return get(reports::Form::Main, c); }
  ControlState& at(reports::Form f, std::string_view c) { return controls[{f, std::string(c)}]; }

  std::map<Key, ControlState> controls;
  int textWrites = 0;

 private:
  const ControlState& get(reports::Form f, std::string_view c) const {
    static const ControlState kUnwritten;
    const auto it = controls.find({f, std::string(c)});
    return it == controls.end() ? kUnwritten : it->second;
  }
};

}  // namespace navbin::shell_testing
