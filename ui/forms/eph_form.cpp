#include "ui/forms/eph_form.h"

#include "ui/forms/cancel_button.h"

#include <QHBoxLayout>
#include <QTextCursor>
#include <QVBoxLayout>

namespace navbin::ui {

TForm_Eph::TForm_Eph(QWidget* parent) : FormWindow("Form_Eph", "Ephemeris Load Status", parent) {
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Memo_Eph = new QPlainTextEdit(this);
  Memo_Eph->setObjectName("Memo_Eph");
  Memo_Eph->setReadOnly(true);
  Memo_Eph->setLineWrapMode(QPlainTextEdit::NoWrap);
  layout->addWidget(Memo_Eph);
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(6, 0, 6, 6);
  buttons->addStretch(1);
  Button_Cancel = CancelButton(this);
  buttons->addWidget(Button_Cancel);
  layout->addLayout(buttons);
  resize(360, 300);
}

void TForm_Eph::append(const std::string& text) {
  // The text box keeps lines, not line ends: CR LF becomes one line break.
  QString line = QString::fromStdString(text);
  line.replace("\r\n", "\n");
  QTextCursor end(Memo_Eph->document());
  end.movePosition(QTextCursor::End);
  end.insertText(line);
  Memo_Eph->setTextCursor(end);
  Memo_Eph->ensureCursorVisible();
}

void TForm_Eph::setVisible(bool visible) {
  if (!visible && isVisible()) Memo_Eph->clear();
  FormWindow::setVisible(visible);
}

}  // namespace navbin::ui
