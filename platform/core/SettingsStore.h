// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// Per-user string values addressed by application, section and key. A read of
// an absent value gives the default; a failed write is ignored.
class SettingsStore {
public:
  virtual ~SettingsStore() = default;
  virtual QString get(const QString& application, const QString& section, const QString& key,
                      const QString& defaultValue) = 0;
  virtual void save(const QString& application, const QString& section, const QString& key, const QString& value) = 0;
};
