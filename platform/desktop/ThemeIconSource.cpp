// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/ThemeIconSource.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStandardPaths>

namespace {
constexpr int kSide = 32;

QIcon blankImage() {
  QPixmap blank(kSide, kSide);
  blank.fill(Qt::transparent);
  return QIcon(blank);
}
}  // namespace

// Without a desktop session (or on the offscreen platform) Qt knows no icon
// theme and no search path: point it at the XDG icon folders and a theme that
// is installed.
void ThemeIconSource::ensureIconTheme() {
  QStringList paths = QIcon::themeSearchPaths();
  const QStringList dataDirs = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
  for (const QString& dir : dataDirs) {
    const QString icons = dir + "/icons";
    if (!paths.contains(icons) && QDir(icons).exists()) paths << icons;
  }
  QIcon::setThemeSearchPaths(paths);
  const QString current = QIcon::themeName();
  if (!current.isEmpty() && current != "hicolor") return;
  for (const QString& theme : {QStringLiteral("Adwaita"), QStringLiteral("breeze")}) {
    for (const QString& dir : paths) {
      if (QFile::exists(dir + '/' + theme + "/index.theme")) {
        QIcon::setThemeName(theme);
        QIcon::setFallbackThemeName("hicolor");
        return;
      }
    }
  }
}

QIcon ThemeIconSource::folderImage() {
  QPixmap pixmap(kSide, kSide);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor edge(176, 128, 16);
  QPainterPath tab;
  tab.addRoundedRect(QRectF(3, 6, 12, 6), 1.5, 1.5);
  p.fillPath(tab, QColor(230, 180, 40));
  QLinearGradient body(0, 9, 0, 28);
  body.setColorAt(0, QColor(255, 218, 90));
  body.setColorAt(1, QColor(240, 182, 30));
  p.setPen(QPen(edge, 1));
  p.setBrush(body);
  p.drawRoundedRect(QRectF(2.5, 9.5, 27, 18), 2, 2);
  p.setPen(QPen(QColor(255, 240, 180), 1));
  p.drawLine(QPointF(4, 11.5), QPointF(28, 11.5));
  return QIcon(pixmap);
}

ThemeIconSource::ThemeIconSource() {
  ensureIconTheme();
  icons_.push_back(blankImage());
  icons_.push_back(folderImage());
}

QMimeType ThemeIconSource::typeOf(std::string_view fileName) {
  const QString name = QString::fromUtf8(fileName.data(), qsizetype(fileName.size()));
  return mimeDatabase_.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
}

int ThemeIconSource::iconIndex(std::string_view fileName) { return indexForType(typeOf(fileName)); }

QString ThemeIconSource::typeName(std::string_view fileName) {
  const QMimeType type = typeOf(fileName);
  return type.isDefault() ? QString() : type.comment();
}

int ThemeIconSource::indexForType(const QMimeType& type) {
  const auto known = byType_.find(type.name());
  if (known != byType_.end()) return known->second;
  int index = kBlank;
  for (const QString& candidate :
       {type.iconName(), type.genericIconName(), QStringLiteral("text-x-generic"), QStringLiteral("unknown")}) {
    if (candidate.isEmpty() || !QIcon::hasThemeIcon(candidate)) continue;
    const auto loaded = byIconName_.find(candidate);
    if (loaded != byIconName_.end()) {
      index = loaded->second;
    } else {
      icons_.push_back(QIcon::fromTheme(candidate));
      index = static_cast<int>(icons_.size()) - 1;
      byIconName_.emplace(candidate, index);
    }
    break;
  }
  byType_.emplace(type.name(), index);
  return index;
}

QIcon ThemeIconSource::image(int index) const {
  if (index < 0 || index >= count()) return icons_[kBlank];
  return icons_[index];
}
