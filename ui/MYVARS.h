#pragma once
#include <QMessageBox>
#include <QString>
#include <cstdint>
#include <string>

#include "ui/SharedState.h"

class Dialogs;
class FileSystem;
class QWidget;
class SettingsStore;

// The module every window leans on: the shared state record and the services
// all windows call (busy display, transparency, technical-error box), plus the
// process-wide platform objects, each created on first use.
class MYVARS {
public:
  static SharedState& state();
  static FileSystem& fso();          // Fso, created the first time it is found empty
  static SettingsStore& settings();
  // The program's command-line text: its arguments, as the raw bytes they
  // came as, joined by blanks; a relative folder made absolute.
  static const std::string& commandLine();
  static void setArguments(int argc, const char* const* argv);
  // The executable's file name as the process was started ("quorrel").
  static QString executableName();
  static void setExecutableName(const QString& name);
  // Ends the program at once: no window's close handler runs and nothing more
  // is written (every settings write is on disk when it returns).
  [[noreturn]] static void endAtOnce();

  // Shows the busy window with the caption and returns when it has closed
  // itself, about (ticks + 1) x 200 ms later.
  static void showBusy(std::int16_t ticks, const QString& caption);
  // Makes a window semi-transparent (opacity 200 of 255).
  static void makeTransparent(QWidget* window);
  // The same, from a window's show: once the window's own modal loop runs,
  // so that a window closed during the busy display really closes.
  static void makeTransparentWhenShown(QWidget* window);
  // The technical-error message box.
  static void reportError(const QString& description, std::int32_t number);
  static QString reportErrorText(const QString& description, std::int32_t number);
  // A plain message box.
  static QMessageBox::StandardButton message(QMessageBox::Icon icon, const QString& title, const QString& text,
                                             QMessageBox::StandardButtons buttons = QMessageBox::Ok);

  // Seams for tests: other displays, a shorter busy tick, other platform objects.
  static void setDialogs(Dialogs* dialogs);  // nullptr: the desktop's again
  static int busyTickMs();
  static void setBusyTickMs(int ms);
  static void setSettings(SettingsStore* settings);  // nullptr: the user's store again
  static void setCommandLine(std::string text);
  static void resetState();
};
