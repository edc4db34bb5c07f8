#include "ui/forms/config_dialog.h"

#include <QBoxLayout>

namespace navbin::ui {

QLineEdit* Edit(const char* name, const QString& text, QWidget* parent, int width) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(name);
  edit->setFixedWidth(width);
  return edit;
}

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

QCheckBox* CheckBox(const char* name, const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  return box;
}

ConfigDialog::ConfigDialog(const QString& objectName, const QString& caption, QWidget* parent)
    : FormWindow(objectName, caption, parent) {}

void ConfigDialog::addButtons(QBoxLayout* layout) {
  Button_OK = Button("Button_OK", "&OK", this);
  Button_Apply = Button("Button_Apply", "&Apply", this);
  Button_Cancel = Button("Button_Cancel", "&Close", this);
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
