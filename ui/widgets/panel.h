#pragma once
// A bordered text panel with a fill colour: the display cell of every window.
// It remembers the status colour it was given so that the Qt-free layers can
// read it back, and emits clicked() for panels that act as buttons.

#include <QLabel>

#include "protocol/presentation/display.h"
#include "ui/widgets/object_name.h"

namespace navbin::ui {

class Panel : public QLabel {
  Q_OBJECT
 public:
  // `tag` other than 0 marks a panel that "&Auto Query" blanks.
  Panel(const ObjectName& objectName, QWidget* parent, int tag = 0);

  void setFill(reports::Colour colour);
  reports::Colour fill() const { return fill_; }
  void setTextColour(reports::Colour colour);
  int tag() const { return property("tag").toInt(); }

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void applyPalette();
  reports::Colour fill_ = reports::Colour::Window;
  reports::Colour textColour_ = reports::Colour::WindowText;
};

}  // namespace navbin::ui
