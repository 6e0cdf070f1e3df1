#include "ui/TransSettings.h"

#include "platform/core/SettingsStore.h"
#include "ui/MYVARS.h"

QString TransSettings::ask() { return MYVARS::settings().get(MYVARS::executableName(), "Trans", "Ask", ""); }

QString TransSettings::want() { return MYVARS::settings().get(MYVARS::executableName(), "Trans", "Want", ""); }

void TransSettings::setAsk(const QString& value) {
  MYVARS::settings().save(MYVARS::executableName(), "Trans", "Ask", value);
}

void TransSettings::setWant(const QString& value) {
  MYVARS::settings().save(MYVARS::executableName(), "Trans", "Want", value);
}
