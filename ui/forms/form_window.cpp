#include "ui/forms/form_window.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

namespace navbin::ui {

FormWindow::FormWindow(const QString& objectName, const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(objectName);
  setWindowTitle(caption);
  setModal(false);
  setSizeGripEnabled(false);
}

void FormWindow::fixSize() {
  // Fixed once: later texts never resize the window.
  if (layout()) layout()->activate();
  setFixedSize(sizeHint());
}

void FormWindow::setVisible(bool visible) {
  if (visible && !centred_) {
    centreOnScreen();
    centred_ = true;
  }
  QDialog::setVisible(visible);
}

void FormWindow::centreOnScreen() {
  QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!s) return;
  QRect frame = frameGeometry();
  frame.moveCenter(s->availableGeometry().center());
  move(frame.topLeft());
}

}  // namespace navbin::ui
