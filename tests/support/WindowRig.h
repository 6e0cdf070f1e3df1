// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <utility>

#include "engine/ResultList.h"
#include "platform/core/IniSettingsStore.h"
#include "platform/desktop/GioFileOpener.h"
#include "platform/desktop/ThemeIconSource.h"
#include "support/FailingFileSystem.h"
#include "support/RecordingDialogs.h"
#include "support/RecordingFileManager.h"
#include "support/RecordingWindows.h"
#include "ui/Context.h"
#include "ui/LabelButton.h"
#include "windows/SearchWindow.h"

// What every window test starts from: its own settings in a temporary
// folder (tests name values as the files do, not through the program's
// declarations, so that a value declared wrongly shows), the real file system
// and desktop but a recorded file manager, recorded dialogs and search
// windows, and a context over them with fresh shared state and no command line.
struct WindowRig {
  QTemporaryDir settingsDir;
  IniSettingsStore settings{settingsDir.path()};
  FailingFileSystem fileSystem;  // the real one unless told to fail
  ThemeIconSource icons;
  GioFileOpener opener;
  RecordingFileManager fileManager;
  RecordingDialogs dialogs;
  RecordingWindows windows;
  std::unique_ptr<Context> started = std::make_unique<Context>(settings, fileSystem, icons, opener, fileManager, dialogs);

  Context& context() { return *started; }
  // Started again (a command line, or arguments): fresh shared state, the same settings.
  template <typename... Start>
  void restart(Start&&... start) {
    started = std::make_unique<Context>(settings, fileSystem, icons, opener, fileManager, dialogs, std::forward<Start>(start)...);
  }
  std::unique_ptr<SearchWindow> open(SearchWindowDescription description) {
    auto w = std::make_unique<SearchWindow>(context(), std::move(description));
    w->show();
    return w;
  }
};

// A search window's controls, found as accessibility tools find them: by object name.
inline QLineEdit* nameField(const QWidget& w) { return w.findChild<QLineEdit*>("txtname"); }
inline QComboBox* locationBox(const QWidget& w) { return w.findChild<QComboBox*>("cboLoc"); }
inline LabelButton* findButton(const QWidget& w) { return w.findChild<LabelButton*>("cmdfind"); }
inline LabelButton* closeButton(const QWidget& w) { return w.findChild<LabelButton*>("cmdcanc"); }
inline LabelButton* closeLabel(const SearchWindow& w) { return w.findChild<LabelButton*>(w.description().closeLabelName); }
inline QLabel* statusLabel(const QWidget& w) { return w.findChild<QLabel*>("lblin"); }
inline QLabel* foundLabel(const QWidget& w) { return w.findChild<QLabel*>("lblfound"); }
inline QCheckBox* matchCaseBox(const QWidget& w) { return w.findChild<QCheckBox*>("chkmatch"); }
inline QTableView* resultsView(const QWidget& w) { return w.findChild<QTableView*>("lv"); }

// Fills the name and location, then presses Find.
inline void search(SearchWindow& w, const QString& name, const std::string& location) {
  nameField(w)->setText(name);
  locationBox(w)->setEditText(QString::fromStdString(location));
  QTest::mouseClick(findButton(w), Qt::LeftButton);
}
