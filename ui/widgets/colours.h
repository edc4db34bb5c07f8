#pragma once
// The status colours of the Qt-free layers as Qt colours.

#include <QColor>
#include <QPalette>
#include <QWidget>

#include "protocol/presentation/display.h"

namespace navbin::ui {

QColor ToQColor(reports::Colour colour, const QPalette& palette);

// The field colour of a list or edit: its palette's base, remembered in the
// "fill" property so that it can be read back.
void SetFieldColour(QWidget* widget, reports::Colour colour);

}  // namespace navbin::ui
