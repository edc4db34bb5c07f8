#include "ui/forms/config_dialog.h"

#include <QBoxLayout>

#include "protocol/presentation/config_control_names.h"

namespace navbin::ui {

QLineEdit* Edit(const ObjectName& name, const QString& text, QWidget* parent, int width) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(name.text());
  edit->setFixedWidth(width);
  return edit;
}

QPushButton* Button(const ObjectName& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name.text());
  button->setAutoDefault(false);
  return button;
}

QCheckBox* CheckBox(const ObjectName& name, const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name.text());
  return box;
}

ConfigDialog::ConfigDialog(const QString& objectName, const QString& caption, QWidget* parent)
    : FormWindow(objectName, caption, parent) {}

void ConfigDialog::addButtons(QBoxLayout* layout) {
  Button_OK = Button(names::Button_OK, "&OK", this);
  Button_Apply = Button(names::Button_Apply, "&Apply", this);
  Button_Cancel = Button(names::Button_Cancel, "&Close", this);
  connect(Button_OK, &QPushButton::clicked, this, &ConfigDialog::Button_OKClick);
  connect(Button_Apply, &QPushButton::clicked, this, &ConfigDialog::Button_ApplyClick);
  connect(Button_Cancel, &QPushButton::clicked, this, &ConfigDialog::Button_CancelClick);
  layout->addWidget(Button_OK);
  layout->addWidget(Button_Apply);
  layout->addWidget(Button_Cancel);
}

void ConfigDialog::Button_OKClick() {
  if (!send_ || send_()) hide();
}

void ConfigDialog::Button_ApplyClick() {
  if (send_) send_();
}

void ConfigDialog::Button_CancelClick() {
  hide();
}

}  // namespace navbin::ui
