#pragma once
// The ephemeris transfer window: the transfer's progress as lines of text in
// Memo_Eph, which fills the window above a Cancel button that is enabled
// while a transfer runs. The text gathers over several transfers; closing
// the window clears it. Unlike the other secondary windows it may be resized.

#include <QPlainTextEdit>
#include <QPushButton>
#include <string>

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_Eph : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_Eph(QWidget* parent);

  void setVisible(bool visible) override;

  // Appends a message that ends with CR LF; the text box shows each line once.
  void append(const std::string& text);

  QPlainTextEdit* Memo_Eph = nullptr;
  QPushButton* Button_Cancel = nullptr;
};

}  // namespace navbin::ui
