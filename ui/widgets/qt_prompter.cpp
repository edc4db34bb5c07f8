#include "ui/widgets/qt_prompter.h"

#include <QFileDialog>
#include <QMessageBox>

namespace navbin::ui {

namespace {
QMessageBox::Icon ToQtIcon(reports::Icon icon) {
  switch (icon) {
    case reports::Icon::Exclamation:
      return QMessageBox::Warning;
    case reports::Icon::Information:
      return QMessageBox::Information;
    case reports::Icon::Question:
      return QMessageBox::Question;
    case reports::Icon::Error:
      return QMessageBox::Critical;
    case reports::Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}
}  // namespace

void QtPrompter::message(const std::string& text, const std::string& caption, reports::Icon icon) {
  QMessageBox box(ToQtIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                  QMessageBox::Ok, parent_);
  box.exec();
}

bool QtPrompter::ask(const std::string& text, const std::string& caption, reports::Icon icon,
                     bool noIsDefault) {
  QMessageBox box(ToQtIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setDefaultButton(noIsDefault ? QMessageBox::No : QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

QString QtPrompter::ToQtFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList entries;
  for (int i = 0; i < parts.size(); i += 2) entries << parts[i];  // descriptions carry the patterns
  return entries.join(";;");
}

std::optional<std::string> QtPrompter::chooseFile(const reports::FileRequest& request) {
  QFileDialog dialog(parent_);
  if (!request.title.empty()) dialog.setWindowTitle(QString::fromStdString(request.title));
  dialog.setNameFilter(ToQtFilter(request.filter));
  QString ext = QString::fromStdString(request.defaultExt);
  if (ext.startsWith('.')) ext.remove(0, 1);
  dialog.setDefaultSuffix(ext);
  const QString initial = QString::fromStdString(request.initialName).trimmed();
  if (!initial.isEmpty()) dialog.selectFile(initial);
  dialog.setAcceptMode(request.forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (request.forSaving) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

}  // namespace navbin::ui
