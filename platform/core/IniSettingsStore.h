#pragma once
#include "platform/core/SettingsStore.h"

// One INI file per application in the user's configuration folder
// (~/.config/quorrel/<application>.conf): section = group, key = key.
class IniSettingsStore final : public SettingsStore {
public:
  IniSettingsStore();                            // the XDG configuration folder
  explicit IniSettingsStore(const QString& folder);

  QString get(const QString& application, const QString& section, const QString& key,
              const QString& defaultValue) override;
  void save(const QString& application, const QString& section, const QString& key,
            const QString& value) override;

  QString fileFor(const QString& application) const;

private:
  QString folder_;
};
