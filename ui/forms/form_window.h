#pragma once
// The frame every secondary window shares: a non-modal top-level dialog with a
// caption and a close box (no help or maximise button), named Form_<Name>,
// centred on the screen the first time it is shown. Closing only hides it; the
// window lives until the application ends.

#include <QDialog>

namespace navbin::ui {

// Size of a window that has no controls yet.
inline constexpr QSize kPlaceholderSize(320, 120);

class FormWindow : public QDialog {
  Q_OBJECT
 public:
  FormWindow(const QString& objectName, const QString& caption, QWidget* parent);

  void setVisible(bool visible) override;

 protected:
  // Locks the window to the size its layout asks for.
  void fixSize();

 private:
  void centreOnScreen();
  bool centred_ = false;
};

}  // namespace navbin::ui
