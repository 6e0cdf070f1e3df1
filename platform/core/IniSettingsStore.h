#pragma once
#include <map>
#include <memory>

#include "platform/core/SettingsStore.h"

class QSettings;

// One INI file per application in the user's configuration folder
// (~/.config/quorrel/<application>.conf): section = group, key = key.
class IniSettingsStore final : public SettingsStore {
public:
  IniSettingsStore();                            // the XDG configuration folder
  explicit IniSettingsStore(const QString& folder);
  ~IniSettingsStore() override;

  QString get(const QString& application, const QString& section, const QString& key,
              const QString& defaultValue) override;
  void save(const QString& application, const QString& section, const QString& key,
            const QString& value) override;

  QString fileFor(const QString& application) const;

private:
  QSettings& open(const QString& application);

  QString folder_;
  std::map<QString, std::unique_ptr<QSettings>> open_;
};
