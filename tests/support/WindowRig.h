#pragma once
#include <QTemporaryDir>
#include <memory>

#include "platform/core/IniSettingsStore.h"
#include "ui/MYVARS.h"
#include "support/RecordingDialogs.h"

// What every window test starts from: fresh shared state, its own settings
// in a temporary folder, no command line, and recorded dialogs.
struct WindowRig {
  QTemporaryDir settingsDir;
  IniSettingsStore settings{settingsDir.path()};
  RecordingDialogs dialogs;

  WindowRig() {
    MYVARS::resetState();
    MYVARS::setSettings(&settings);
    MYVARS::setCommandLine({});
  }
  ~WindowRig() { MYVARS::setSettings(nullptr); }
};
