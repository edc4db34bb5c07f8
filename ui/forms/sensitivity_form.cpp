#include "ui/forms/sensitivity_form.h"

#include <array>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "protocol/presentation/config_control_names.h"
#include "protocol/presentation/config_lists.h"

namespace navbin::ui {

TForm_Sensitivity::TForm_Sensitivity(QWidget* parent)
    : ConfigDialog("Form_Sensitivity", "Enhanced Sensitivity Mode", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  auto* grid = new QGridLayout;
  Panel_CurMode = new Panel(names::Panel_CurMode, this);
  Panel_CurMode->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Panel_CurMode->setFixedWidth(80);
  ComboBox_NewMode = ListBox(names::ComboBox_NewMode, reports::lists::kSensitivityModes, this);
  ComboBox_NewMode->setEditable(true);
  ComboBox_NewMode->setInsertPolicy(QComboBox::NoInsert);  // typed text is no new item
  ComboBox_NewMode->setCurrentIndex(-1);
  ComboBox_NewMode->setFixedWidth(80);
  connect(ComboBox_NewMode, &QComboBox::editTextChanged, this, &TForm_Sensitivity::followTypedText);
  auto* current = new QLabel("Current Sensitivity Mode", this);
  auto* next = new QLabel("Mode After Reset*", this);
  next->setBuddy(ComboBox_NewMode);
  grid->addWidget(current, 0, 0);
  grid->addWidget(Panel_CurMode, 0, 1);
  grid->addWidget(next, 1, 0);
  grid->addWidget(ComboBox_NewMode, 1, 1);
  layout->addLayout(grid);
  Label3 = new QLabel("* This mode will take effect after a soft reset", this);
  Label3->setObjectName("Label3");
  layout->addWidget(Label3);
  layout->addSpacing(8);
  auto* buttons = new QHBoxLayout;
  addButtons(buttons);
  layout->addLayout(buttons);
  fixSize();
}

// The selection follows the text: an item's exact text selects it, any other
// text selects none (and stays as typed).
void TForm_Sensitivity::followTypedText(const QString& text) {
  const int match = ComboBox_NewMode->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (match == ComboBox_NewMode->currentIndex()) return;
  if (match >= 0) {
    ComboBox_NewMode->setCurrentIndex(match);
    return;
  }
  QLineEdit* edit = ComboBox_NewMode->lineEdit();
  const int cursor = edit->cursorPosition();
  ComboBox_NewMode->setCurrentIndex(-1);  // clears the text: put it back
  edit->setText(text);
  edit->setCursorPosition(cursor);
}

}  // namespace navbin::ui
