#pragma once
// A filled lamp (circle or rectangle) whose colour shows a status.

#include <QWidget>

#include "protocol/presentation/display.h"
#include "ui/widgets/object_name.h"

namespace navbin::ui {

class Shape : public QWidget {
  Q_OBJECT
 public:
  enum class Kind { Circle, Rectangle };
  // `tag` other than 0 marks a lamp that "&Auto Query" turns gray.
  Shape(const ObjectName& objectName, QWidget* parent, Kind kind = Kind::Circle, int tag = 0,
        int diameter = 14);

  void setFill(reports::Colour colour);
  reports::Colour fill() const { return fill_; }
  int tag() const { return property("tag").toInt(); }
  QSize sizeHint() const override { return {diameter_, diameter_}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Kind kind_;
  int diameter_;
  reports::Colour fill_ = reports::Colour::Gray;
};

}  // namespace navbin::ui
