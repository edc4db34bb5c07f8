#include "ui/widgets/panel.h"

#include <QMouseEvent>

#include "ui/widgets/colours.h"

namespace navbin::ui {

Panel::Panel(const ObjectName& objectName, QWidget* parent, int tag) : QLabel(parent) {
  setObjectName(objectName.text());
  setProperty("tag", tag);
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  setMinimumHeight(fontMetrics().height() + 6);
  applyPalette();
}

void Panel::setFill(reports::Colour colour) {
  if (colour == fill_) return;
  fill_ = colour;
  applyPalette();
}

void Panel::setTextColour(reports::Colour colour) {
  if (colour == textColour_) return;
  textColour_ = colour;
  applyPalette();
}

void Panel::applyPalette() {
  QPalette p = palette();
  const QPalette base = parentWidget() ? parentWidget()->palette() : QPalette();
  p.setColor(QPalette::Window, ToQColor(fill_, base));
  p.setColor(QPalette::WindowText, ToQColor(textColour_, base));
  setPalette(p);
}

void Panel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->pos())) emit clicked();
  QLabel::mouseReleaseEvent(event);
}

void Panel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) applyPalette();
  QLabel::changeEvent(event);
}

}  // namespace navbin::ui
