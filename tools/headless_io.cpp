#include "tools/headless_io.h"

namespace navbin::tools {

void HeadlessDisplay::setChecked(reports::Form form, reports::ControlName control, bool on) {
  std::pair<reports::Form, std::string> key{form, std::string(control.text())};
  if (on) {
    checked_.insert(std::move(key));
  } else {
    checked_.erase(key);
  }
}

bool HeadlessDisplay::checked(reports::Form form, reports::ControlName control) const {
  return checked_.count(std::pair<reports::Form, std::string>{form, std::string(control.text())}) !=
         0;
}

void StderrPrompter::message(const std::string& text, const std::string& caption, reports::Icon) {
  std::string line = program_ + ": " + caption + ": " + text;
  for (char& c : line) {
    if (c == '\n') c = ' ';
  }
  if (!shown_.insert(line).second) return;
  std::fprintf(out_, "%s\n", line.c_str());
  std::fflush(out_);
}

}  // namespace navbin::tools
