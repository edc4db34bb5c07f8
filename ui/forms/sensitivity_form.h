#pragma once
// The enhanced sensitivity dialog: the mode the receiver runs in now (as
// reported) and the mode it takes after its next reset. The list takes typed
// text too; text that is no item's selects none.

#include <QComboBox>
#include <QLabel>

#include "ui/forms/config_dialog.h"
#include "ui/widgets/panel.h"

namespace navbin::ui {

class TForm_Sensitivity : public ConfigDialog {
  Q_OBJECT
 public:
  explicit TForm_Sensitivity(QWidget* parent);

  Panel* Panel_CurMode = nullptr;
  QComboBox* ComboBox_NewMode = nullptr;
  QLabel* Label3 = nullptr;

 private:
  void followTypedText(const QString& text);
};

}  // namespace navbin::ui
