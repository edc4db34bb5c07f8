#include "app/settings_store.h"

#include <QStringList>

namespace navbin::app {

QtSettingsStorage::QtSettingsStorage() : settings_("Orvane", "M2_Monitor") {}

std::optional<std::string> QtSettingsStorage::read(const std::string& key) const {
  const QVariant value = settings_.value(QString::fromStdString(key));
  if (!value.isValid()) return std::nullopt;
  // An INI value with commas reads back as a list; take it as the text it was.
  const QString text = value.metaType().id() == QMetaType::QStringList
                           ? value.toStringList().join(',')
                           : value.toString();
  if (text.isEmpty()) return std::nullopt;
  return text.toStdString();
}

void QtSettingsStorage::write(const std::string& key, const std::string& value) {
  settings_.setValue(QString::fromStdString(key), QString::fromStdString(value));
  settings_.sync();
}

void QtSettingsStorage::remove(const std::string& key) {
  settings_.remove(QString::fromStdString(key));
  settings_.sync();
}

}  // namespace navbin::app
