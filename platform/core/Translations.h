// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLocale>
#include <QString>
#include <QTranslator>

// The program's texts, and Qt's own for its standard dialogs, in the first of
// the user's languages that has them, installed in the running application
// for as long as this lives. The source texts are English: a language list
// that reaches English before one with a translation stays English.
class Translations {
public:
  // Read, and installed in the running application. The user's languages are
  // `locale.uiLanguages()`: on Linux, LANGUAGE's list, else LC_ALL,
  // LC_MESSAGES or LANG. `folder` holds quorrel_xx.qm.
  Translations(const QLocale& locale, const QString& folder);
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // Where the program's .qm files are: ../share/quorrel/translations beside
  // the executable's folder, in the build tree as under the installed prefix.
  static QString folder();
  // Installed again, in an application made after this one was read.
  void install();
  // The language the program's texts are in: the loaded translation's, else
  // "en", the source texts'.
  QString language() const { return program_.filePath().isEmpty() ? QStringLiteral("en") : program_.language(); }

private:
  QTranslator program_;
  QTranslator qt_;
};
