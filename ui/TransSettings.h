// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class SettingsStore;

// The transparency settings: section "Trans" of the application named like
// the executable as it was started, keys "Ask" and "Want", values compared
// exactly ("y" is neither "Y" nor "N").
class TransSettings {
public:
  TransSettings(SettingsStore& store, QString application);
  QString ask() const;   // absent: ""
  QString want() const;  // absent: ""
  void setAsk(const QString& value);
  void setWant(const QString& value);

private:
  SettingsStore& store_;
  QString application_;
};
