#include "platform/core/IniSettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

IniSettingsStore::IniSettingsStore()
    : folder_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/quorrel") {}

IniSettingsStore::IniSettingsStore(const QString& folder) : folder_(folder) {}

QString IniSettingsStore::fileFor(const QString& application) const {
  return folder_ + '/' + application + ".conf";
}

QString IniSettingsStore::get(const QString& application, const QString& section, const QString& key,
                              const QString& defaultValue) {
  QSettings settings(fileFor(application), QSettings::IniFormat);
  if (settings.status() != QSettings::NoError) return defaultValue;  // unreadable or corrupt
  settings.beginGroup(section);
  const QVariant value = settings.value(key);
  if (!value.isValid()) return defaultValue;
  // A hand-edited value with bare commas reads back as a list.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(", ");
  if (!value.canConvert<QString>()) return defaultValue;
  return value.toString();
}

void IniSettingsStore::save(const QString& application, const QString& section, const QString& key,
                            const QString& value) {
  QDir().mkpath(folder_);
  QSettings settings(fileFor(application), QSettings::IniFormat);
  settings.beginGroup(section);
  settings.setValue(key, value);
  settings.endGroup();
  settings.sync();  // a failed write is ignored: the program goes on with what it has
}
