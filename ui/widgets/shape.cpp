#include "ui/widgets/shape.h"

#include <QPainter>

#include "ui/widgets/colours.h"

namespace navbin::ui {

Shape::Shape(const ObjectName& objectName, QWidget* parent, Kind kind, int tag, int diameter)
    : QWidget(parent), kind_(kind), diameter_(diameter) {
  setObjectName(objectName.text());
  setProperty("tag", tag);
  setFixedSize(diameter, diameter);
}

void Shape::setFill(reports::Colour colour) {
  if (colour == fill_) return;
  fill_ = colour;
  update();
}

void Shape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(ToQColor(fill_, palette()));
  const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  if (kind_ == Kind::Circle) {
    painter.drawEllipse(r);
  } else {
    painter.drawRect(r);
  }
}

}  // namespace navbin::ui
