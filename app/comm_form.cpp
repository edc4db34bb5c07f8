#include "app/comm_form.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "protocol/presentation/config_control_names.h"
#include "ui/widgets/object_name.h"

namespace navbin::app {

namespace {
constexpr int kDeviceRole = Qt::UserRole + 1;
}

TForm_Comm::TForm_Comm(shell::SettingsStorage& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      settings_(settings) {
  setObjectName("Form_Comm");
  setWindowTitle("M1_Monitor");
  setModal(true);

  Panel_Com = new QFrame(this);
  Panel_Com->setObjectName("Panel_Com");
  Panel_Com->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Label1 = new QLabel("Select Serial Port:", Panel_Com);
  Label1->setObjectName("Label1");
  ComboBox_Com = new QComboBox(Panel_Com);
  ComboBox_Com->setObjectName("ComboBox_Com");
  ComboBox_Com->addItems({"COM 1", "COM 2", "COM 3", "COM 4"});
  ComboBox_Com->setMinimumContentsLength(8);
  Label_Device = new QLabel(Panel_Com);
  Label_Device->setObjectName("Label_Device");
  Label1->setBuddy(ComboBox_Com);

  auto* panelLayout = new QVBoxLayout(Panel_Com);
  auto* row = new QHBoxLayout;
  row->addWidget(Label1);
  row->addWidget(ComboBox_Com, 1);
  panelLayout->addLayout(row);
  panelLayout->addWidget(Label_Device);

  Button_OK = new QPushButton("&OK", this);
  Button_OK->setObjectName(ui::Name(reports::names::Button_OK));
  Button_OK->setDefault(true);
  Button_Cancel = new QPushButton("&Cancel", this);
  Button_Cancel->setObjectName(ui::Name(reports::names::Button_Cancel));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Button_OK);
  buttons->addWidget(Button_Cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Panel_Com);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(Button_OK, &QPushButton::clicked, this, &TForm_Comm::Button_OKClick);
  connect(Button_Cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(ComboBox_Com, &QComboBox::currentIndexChanged, this, &TForm_Comm::ComboBox_ComChange);
  ComboBox_Com->setCurrentIndex(0);
  ComboBox_ComChange(0);
}

void TForm_Comm::setPorts(const std::vector<std::string>& items,
                          const std::vector<std::string>& devices) {
  ComboBox_Com->clear();
  for (std::size_t i = 0; i < items.size(); ++i) {
    const QString device = i < devices.size() ? QString::fromStdString(devices[i]) : QString();
    ComboBox_Com->addItem(QString::fromStdString(items[i]));
    const int index = ComboBox_Com->count() - 1;
    ComboBox_Com->setItemData(index, device, kDeviceRole);
    if (!device.isEmpty()) ComboBox_Com->setItemData(index, device, Qt::ToolTipRole);
  }
  ComboBox_Com->setCurrentIndex(ComboBox_Com->count() > 0 ? 0 : -1);
  ComboBox_ComChange(ComboBox_Com->currentIndex());
}

void TForm_Comm::selectItem(int item) {
  if (item >= 0 && item < ComboBox_Com->count()) ComboBox_Com->setCurrentIndex(item);
}

void TForm_Comm::Button_OKClick() {
  shell::SaveCommItem(settings_, selectedItem());
  accept();
}

void TForm_Comm::ComboBox_ComChange(int item) {
  const QString device = item >= 0 ? ComboBox_Com->itemData(item, kDeviceRole).toString() : "";
  Label_Device->setText(device.isEmpty() ? QString() : "Device: " + device);
}

void TForm_Comm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

std::optional<std::int32_t> AskDisplayPort(const shell::StartupPlan& plan,
                                           shell::SettingsStorage& settings) {
  TForm_Comm dialog(settings);
  dialog.setPorts(plan.dialog.items, plan.dialog.devices);
  dialog.selectItem(plan.dialog.selected);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return shell::DisplayPortOfItem(plan, dialog.selectedItem());
}

}  // namespace navbin::app
