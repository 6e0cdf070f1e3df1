// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>
#include <QMimeDatabase>
#include <unordered_map>
#include <vector>

#include "platform/desktop/IconSource.h"

// File-type images from the desktop's icon theme. The type comes from the
// whole name by the shared MIME database's glob rules (Makefile, README,
// archive.tar.gz); each type's image is loaded once.
class ThemeIconSource final : public IconSource {
public:
  ThemeIconSource();

  int iconIndex(std::string_view fileName) override;
  QIcon image(int index) const override;
  QString typeName(std::string_view fileName) override;
  int count() const override { return static_cast<int>(icons_.size()); }

  static QIcon folderImage();

private:
  QMimeType typeOf(std::string_view fileName);
  int indexForType(const QMimeType& type);
  static void ensureIconTheme();

  QMimeDatabase mimeDatabase_;
  std::vector<QIcon> icons_;
  std::unordered_map<QString, int> byType_;
  std::unordered_map<QString, int> byIconName_;
};
