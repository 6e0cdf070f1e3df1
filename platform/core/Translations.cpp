// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

Translations::Translations(const QLocale& locale, const QString& folder) {
  for (const QString& language : locale.uiLanguages()) {
    const QLocale one(language);
    if (one.language() == QLocale::English) break;
    // Qt's own texts only with the program's: a dialog in one language, its buttons in another, reads badly.
    if (program_.load(one, "quorrel", "_", folder)) {
      if (qt_.load(one, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
      QCoreApplication::installTranslator(&program_);
      break;
    }
  }
}

Translations::~Translations() {
  QCoreApplication::removeTranslator(&program_);
  QCoreApplication::removeTranslator(&qt_);
}

QString Translations::folder() {
  return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/quorrel/translations");
}
