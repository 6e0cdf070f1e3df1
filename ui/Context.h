// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QMessageBox>
#include <QString>
#include <cstdint>
#include <string>

#include "ui/SharedState.h"
#include "ui/StartSearch.h"

class Dialogs;
class FileManager;
class FileOpener;
class FileSystem;
class IconSource;
class QWidget;
class SettingsStore;

// What every window leans on, made once by the program (each test makes its
// own) and handed down by reference: the platform and desktop objects, the
// displays, what the program was started with, the state the windows share,
// and the services they all call (busy display, transparency, error box).
class Context {
  Q_DECLARE_TR_FUNCTIONS(Context)

public:
  static constexpr int kBusyTickMs = 200;

  // commandLine: a folder to start in, as raw bytes; blank for none.
  Context(SettingsStore& settings, FileSystem& fileSystem, IconSource& icons, FileOpener& opener,
          FileManager& fileManager, Dialogs& dialogs, std::string commandLine = {}, int busyTickMs = kBusyTickMs);
  // From the program's arguments, as the raw bytes they came as (a folder's
  // name need not be UTF-8), joined by blanks; a relative folder is made
  // absolute; the executable's name is the first argument's file name.
  Context(SettingsStore& settings, FileSystem& fileSystem, IconSource& icons, FileOpener& opener,
          FileManager& fileManager, Dialogs& dialogs, int argc, const char* const* argv, StartSearch start = {});
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;

  SettingsStore& settings() { return settings_; }
  FileSystem& fileSystem() { return fileSystem_; }
  IconSource& icons() { return icons_; }               // file-type images
  FileOpener& opener() { return opener_; }             // default applications
  FileManager& fileManager() { return fileManager_; }  // shows files in their folders
  SharedState& state() { return state_; }
  const std::string& commandLine() const { return commandLine_; }
  const StartSearch& startSearch() const { return startSearch_; }
  const QString& executableName() const { return executableName_; }  // "quorrel"
  int busyTickMs() const { return busyTickMs_; }

  // Shows the busy window with the caption and returns when it has closed
  // itself, about (ticks + 1) busy ticks later.
  void showBusy(std::int16_t ticks, const QString& caption);
  // Makes a window semi-transparent (opacity 200 of 255).
  void makeTransparent(QWidget* window);
  // The same, the first time the window is shown, once its own modal loop
  // runs (so that a window closed during the busy display really closes):
  // where the user wants transparent windows then, or always.
  enum class Transparent { IfWanted, Always };
  void makeTransparentOnFirstShow(QWidget* window, Transparent when = Transparent::IfWanted);
  // The technical-error message box.
  void reportError(const QString& description, std::int32_t number);
  static QString reportErrorText(const QString& description, std::int32_t number);
  // A plain message box.
  QMessageBox::StandardButton message(QMessageBox::Icon icon, const QString& title, const QString& text,
                                      QMessageBox::StandardButtons buttons = QMessageBox::Ok);
  // The desktop's file dialog for a file to write; empty when cancelled.
  QString saveFileName(const QString& title, const QString& suggested, const QString& filter);
  // Ends the program at once: no window's close handler runs and nothing more
  // is written (every settings write is on disk when it returns).
  [[noreturn]] static void endAtOnce();

private:
  SettingsStore& settings_;
  FileSystem& fileSystem_;
  IconSource& icons_;
  FileOpener& opener_;
  FileManager& fileManager_;
  Dialogs& dialogs_;
  SharedState state_;
  std::string commandLine_;
  StartSearch startSearch_;
  QString executableName_ = QStringLiteral("quorrel");
  int busyTickMs_;
};
