// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <map>
#include <memory>

#include "platform/core/SettingsStore.h"

// One INI file per application in the user's configuration folder
// (~/.config/quorrel/<application>.conf): section = group, key = key. A file
// that is not a regular one is neither read nor written: its values are the
// defaults, and what is saved lasts the session.
class IniSettingsStore final : public SettingsStore {
public:
  IniSettingsStore();  // the XDG configuration folder
  explicit IniSettingsStore(const QString& folder);
  ~IniSettingsStore() override;

  QString get(const QString& application, const QString& section, const QString& key,
              const QString& defaultValue) override;
  void save(const QString& application, const QString& section, const QString& key, const QString& value) override;

  QString fileFor(const QString& application) const;  // "" without a folder

private:
  struct File;
  File& current(const QString& application);

  QString folder_;
  std::map<QString, std::unique_ptr<File>> files_;
};
