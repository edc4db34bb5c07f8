#include "ui/forms/io_options_form.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/widgets/colours.h"

namespace navbin::ui {

TForm_IOOptions::TForm_IOOptions(QWidget* parent)
    : FormWindow("Form_IOOptions", "I/O Options", parent) {
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  Label_Datum = new QLabel("Datum:", this);
  Label_Datum->setObjectName("Label_Datum");
  ComboBox_Datum = new QComboBox(this);
  ComboBox_Datum->setObjectName("ComboBox_Datum");
  ComboBox_Datum->setEditable(false);
  ComboBox_Datum->setMinimumWidth(180);
  Label_Datum->setBuddy(ComboBox_Datum);
  // Disabled, drawn in the button-face colour, until a version report enables them.
  Label_Datum->setEnabled(false);
  ComboBox_Datum->setEnabled(false);
  SetFieldColour(ComboBox_Datum, reports::Colour::ButtonFace);
  row->addWidget(Label_Datum);
  row->addWidget(ComboBox_Datum, 1);
  layout->addLayout(row);
  layout->addStretch(1);
  setFixedSize(kPlaceholderSize);
}

}  // namespace navbin::ui
