// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/IniSettingsStore.h"

#include <pwd.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QLockFile>

#include <cerrno>
#include <optional>
#include <vector>

#include "platform/core/IniText.h"
#include "platform/core/SaveFile.h"
#include "platform/core/SettingsFile.h"

namespace {
constexpr int kLockWaitMs = 5000;

// $HOME, or the password database's home folder where HOME is unset or empty
// (Qt would take "/"); "" where neither knows one.
QString homeFolder() {
  const QByteArray home = qgetenv("HOME");
  if (!home.isEmpty()) return QFile::decodeName(home);
  const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? suggested : 16384);
  passwd entry{};
  passwd* found = nullptr;
  while (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE && buffer.size() < 1 << 20)
    buffer.resize(buffer.size() * 2);
  return found && found->pw_dir ? QFile::decodeName(found->pw_dir) : QString();
}

// $XDG_CONFIG_HOME when it is an absolute path; the freedesktop rules say a
// relative one is to be ignored, for ~/.config.
QString configurationFolder() {
  QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");  // not const: returned by move
  if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return xdg;
  const QString home = homeFolder();
  return home.isEmpty() ? QString() : home + "/.config";
}

// QSettings' name for a value: section and key joined by "/", empty parts dropped.
QString fullKey(const QString& section, const QString& key) {
  return (section + '/' + key).split('/', Qt::SkipEmptyParts).join('/');
}
}  // namespace

struct IniSettingsStore::File {
  IniText text;
  std::optional<SettingsFile::Stamp> stamp;  // of what was read
  bool writable = false;                     // read whole, or absent: a write loses nothing
  std::map<QString, QString> unsaved;        // saved this session, not yet on disk
};

IniSettingsStore::IniSettingsStore() {
  const QString folder = configurationFolder();
  if (!folder.isEmpty()) folder_ = folder + "/quorrel";
}

IniSettingsStore::IniSettingsStore(const QString& folder) : folder_(folder) {}

QString IniSettingsStore::fileFor(const QString& application) const {
  return folder_.isEmpty() ? QString() : folder_ + '/' + application + ".conf";
}

IniSettingsStore::~IniSettingsStore() = default;

// One file per application, kept: a file is read once, and again only when it
// changed on disk (another file, size or time), however large. Values that
// could not be written stay on top of what is read.
IniSettingsStore::File& IniSettingsStore::current(const QString& application) {
  std::unique_ptr<File>& file = files_[application];
  if (!file) file = std::make_unique<File>();
  const std::string path = QFile::encodeName(fileFor(application)).toStdString();
  if (file->stamp && *file->stamp == SettingsFile::stampOf(path)) return *file;
  const SettingsFile::Contents contents =
      path.empty() ? SettingsFile::Contents{SettingsFile::Outcome::Unreadable, {}, {}} : SettingsFile::read(path);
  file->text = IniText(contents.bytes);
  file->stamp = contents.stamp;
  file->writable = contents.outcome != SettingsFile::Outcome::Unreadable;
  for (const auto& [key, value] : file->unsaved) file->text.setValue(key, value);
  return *file;
}

QString IniSettingsStore::get(const QString& application, const QString& section, const QString& key,
                              const QString& defaultValue) {
  return current(application).text.value(fullKey(section, key)).value_or(defaultValue);
}

// Another instance may be saving into the same file: under a lock file (the
// one QSettings takes), what it wrote is read again before this value is added,
// so that neither loses the other's. Where the lock is held too long, the value
// waits for the next save; where no lock can be made at all (a folder we may
// not write to), there is no one to wait for.
void IniSettingsStore::save(const QString& application, const QString& section, const QString& key,
                            const QString& value) {
  const QString name = fullKey(section, key);
  File& file = current(application);
  file.text.setValue(name, value);
  file.unsaved[name] = value;
  if (!file.writable) return;
  QDir().mkpath(folder_);
  QLockFile lock(fileFor(application) + ".lock");
  if (!lock.tryLock(kLockWaitMs) && lock.error() == QLockFile::LockFailedError) return;
  current(application);  // read again where another instance wrote
  const std::string path = QFile::encodeName(fileFor(application)).toStdString();
  const QByteArray bytes = file.text.text();
  QString error;  // a failed write is ignored
  if (!file.writable || !SaveFile::write(path, std::string_view(bytes.constData(), bytes.size()), error)) return;
  file.unsaved.clear();
  file.stamp = SettingsFile::stampOf(path);
}
