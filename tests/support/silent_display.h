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

  void setText(reports::Form, std::string_view, const std::string&) override {}
  std::string text(reports::Form, std::string_view) const override { return {}; }
  void setColour(reports::Form, std::string_view, reports::Colour) override {}
  reports::Colour colour(reports::Form, std::string_view) const override { return colour_; }
  void setTextColour(reports::Form, std::string_view, reports::Colour) override {}
  void setHint(reports::Form, std::string_view, const std::string&) override {}
  void setVisible(reports::Form, std::string_view, bool) override {}
  void setEnabled(reports::Form, std::string_view, bool) override {}
  void setChecked(reports::Form, std::string_view, bool) override {}
  bool checked(reports::Form, std::string_view) const override { return false; }
  void setSelectedIndex(reports::Form, std::string_view, int) override {}
  int selectedIndex(reports::Form, std::string_view) const override { return -1; }
  void setItems(reports::Form, std::string_view, const std::vector<std::string>&) override {}

 private:
  reports::Colour colour_;
};

}  // namespace navbin::support
