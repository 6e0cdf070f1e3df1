// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TransSettings.h"

#include <utility>

#include "platform/core/SettingsStore.h"

TransSettings::TransSettings(SettingsStore& store, QString application)
    : store_(store), application_(std::move(application)) {}

QString TransSettings::ask() const { return store_.get(application_, "Trans", "Ask", ""); }

QString TransSettings::want() const { return store_.get(application_, "Trans", "Want", ""); }

void TransSettings::setAsk(const QString& value) { store_.save(application_, "Trans", "Ask", value); }

void TransSettings::setWant(const QString& value) { store_.save(application_, "Trans", "Want", value); }
