#pragma once
// A display that shows nothing and allocates nothing, for runs that measure the
// monitor cycle itself: the tick allocation test and the tick benchmark.

#include <string>
#include <string_view>
#include <vector>

#include "protocol/presentation/display.h"

namespace navbin::support {

class SilentDisplay final : public reports::Display {
 public:
  // Every control reads back as `colour`: Lime keeps the lamp step busy on
  // every tick, Gray leaves it idle.
  explicit SilentDisplay(reports::Colour colour = reports::Colour::Gray) : colour_(colour) {}

  void setText(reports::Form, reports::ControlName, const std::string&) override {}
  std::string text(reports::Form, reports::ControlName) const override { return {}; }
  void setColour(reports::Form, reports::ControlName, reports::Colour) override {}
  reports::Colour colour(reports::Form, reports::ControlName) const override { return colour_; }
  void setTextColour(reports::Form, reports::ControlName, reports::Colour) override {}
  void setHint(reports::Form, reports::ControlName, const std::string&) override {}
  void setVisible(reports::Form, reports::ControlName, bool) override {}
  void setEnabled(reports::Form, reports::ControlName, bool) override {}
  void setChecked(reports::Form, reports::ControlName, bool) override {}
  bool checked(reports::Form, reports::ControlName) const override { return false; }
  void setSelectedIndex(reports::Form, reports::ControlName, int) override {}
  int selectedIndex(reports::Form, reports::ControlName) const override { return -1; }
  void setItems(reports::Form, reports::ControlName, const std::vector<std::string>&) override {}

 private:
  reports::Colour colour_;
};

}  // namespace navbin::support
