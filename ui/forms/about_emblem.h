#pragma once
// The about window's picture, drawn in code: a globe with an orbiting
// satellite beside the program's name.

#include <QPixmap>

namespace navbin::ui {

inline constexpr int kEmblemWidth = 150;
inline constexpr int kEmblemHeight = 61;

QPixmap DrawAboutEmblem();

}  // namespace navbin::ui
