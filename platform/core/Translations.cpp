// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

Translations::Translations(const QLocale& locale, const QString& folder) {
  for (const QString& language : locale.uiLanguages()) {
    const QLocale one(language);
    if (one.language() == QLocale::English) break;
    // Qt's own texts only with the program's: a dialog in one language, its buttons in another, reads badly.
    if (program_.load(one, "quorrel", "_", folder)) {
      // Without Qt's own (qt6-translations-l10n), its dialogs stay English.
      static_cast<void>(qt_.load(one, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
      break;
    }
  }
  install();
}

// A translator leaves the application as it is destroyed; an empty one
// is never installed.
void Translations::install() {
  for (QTranslator* t : {&qt_, &program_})
    if (!t->isEmpty()) QCoreApplication::installTranslator(t);
}

QString Translations::folder() {
  return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/quorrel/translations");
}
