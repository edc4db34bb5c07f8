#include "ui/widgets/colours.h"

namespace navbin::ui {

QColor ToQColor(reports::Colour colour, const QPalette& palette) {
  using reports::Colour;
  switch (colour) {
    case Colour::Window:
      return palette.color(QPalette::Base);
    case Colour::ButtonFace:
      return palette.color(QPalette::Button);
    case Colour::Lime:
      return QColor(0x00, 0xFF, 0x00);
    case Colour::Yellow:
      return QColor(0xFF, 0xFF, 0x00);
    case Colour::Red:
      return QColor(0xFF, 0x00, 0x00);
    case Colour::Aqua:
      return QColor(0x00, 0xFF, 0xFF);
    case Colour::Blue:
      return QColor(0x00, 0x00, 0xFF);
    case Colour::Gray:
      return QColor(0x80, 0x80, 0x80);
    case Colour::WindowText:
      return palette.color(QPalette::WindowText);
    case Colour::InactiveCaption:
      return palette.color(QPalette::Disabled, QPalette::WindowText);
  }
  return palette.color(QPalette::Base);
}

void SetFieldColour(QWidget* widget, reports::Colour colour) {
  QPalette p = widget->palette();
  p.setColor(
      QPalette::Base,
      ToQColor(colour, widget->parentWidget() ? widget->parentWidget()->palette() : QPalette()));
  widget->setPalette(p);
  widget->setProperty("fill", static_cast<int>(colour));
}

}  // namespace navbin::ui
