#include "ui/widgets/radio_group.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace navbin::ui {

RadioGroup::RadioGroup(const ObjectName& objectName, const QString& title, const QStringList& items,
                       QWidget* parent)
    : QGroupBox(title, parent), buttons_(new QButtonGroup(this)) {
  setObjectName(objectName.text());
  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    buttons_->addButton(button, i);
    layout->addWidget(button);
  }
  connect(buttons_, &QButtonGroup::idClicked, this, &RadioGroup::itemIndexChanged);
}

void RadioGroup::setItemIndex(int index) {
  if (QAbstractButton* button = buttons_->button(index)) {
    button->setChecked(true);
    return;
  }
  // Unchecking the checked button of an exclusive group needs exclusivity off.
  buttons_->setExclusive(false);
  for (QAbstractButton* b : buttons_->buttons()) b->setChecked(false);
  buttons_->setExclusive(true);
}

}  // namespace navbin::ui
