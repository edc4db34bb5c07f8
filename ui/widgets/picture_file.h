#pragma once
// A window as a picture file: PDF when the name ends in ".pdf", PNG otherwise.

#include <QWidget>
#include <string>

namespace navbin::ui {

// The file request of the "Save picture..." buttons.
inline constexpr const char* kPictureFilter =
    "PNG Pictures (*.png)|*.png|PDF Documents (*.pdf)|*.pdf|All Files (*.*)|*.*";

// False when the file cannot be written.
bool SaveWidgetPicture(QWidget& widget, const std::string& path);

}  // namespace navbin::ui
