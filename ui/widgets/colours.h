#pragma once
// The status colours of the Qt-free layers as Qt colours.

#include <QColor>
#include <QPalette>

#include "protocol/reports/display.h"

namespace navbin::ui {

QColor ToQColor(reports::Colour colour, const QPalette& palette);

}  // namespace navbin::ui
