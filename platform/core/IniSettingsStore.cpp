#include "platform/core/IniSettingsStore.h"

#include <QDir>
#include <QSettings>

namespace {
// $XDG_CONFIG_HOME when it is an absolute path; the freedesktop rules say a
// relative one is to be ignored, for ~/.config.
QString configurationFolder() {
  const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return xdg;
  return QDir::homePath() + "/.config";
}
}  // namespace

IniSettingsStore::IniSettingsStore() : folder_(configurationFolder() + "/quorrel") {}

IniSettingsStore::IniSettingsStore(const QString& folder) : folder_(folder) {}

QString IniSettingsStore::fileFor(const QString& application) const {
  return folder_ + '/' + application + ".conf";
}

IniSettingsStore::~IniSettingsStore() = default;

// One open file per application, kept: a file is read once, and again only
// when it changed on disk (sync compares its time and size), however large.
QSettings& IniSettingsStore::open(const QString& application) {
  auto& settings = open_[application];
  if (!settings) settings = std::make_unique<QSettings>(fileFor(application), QSettings::IniFormat);
  return *settings;
}

QString IniSettingsStore::get(const QString& application, const QString& section, const QString& key,
                              const QString& defaultValue) {
  QSettings& settings = open(application);
  settings.sync();
  if (settings.status() != QSettings::NoError) return defaultValue;  // unreadable or corrupt
  const QVariant value = settings.value(section + '/' + key);
  if (!value.isValid()) return defaultValue;
  // A hand-edited value with bare commas reads back as a list.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(", ");
  if (!value.canConvert<QString>()) return defaultValue;
  return value.toString();
}

void IniSettingsStore::save(const QString& application, const QString& section, const QString& key,
                            const QString& value) {
  QDir().mkpath(folder_);
  QSettings& settings = open(application);
  settings.setValue(section + '/' + key, value);
  settings.sync();  // on disk before this returns; a failed write is ignored
}
