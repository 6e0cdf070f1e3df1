#include "platform/ThemeIconSource.h"

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

int ThemeIconSource::iconIndex(std::string_view fileName) {
  // Key: the lower-cased extension; names without one share the empty key.
  key_.clear();
  const size_t dot = fileName.rfind('.');
  if (dot != std::string_view::npos && dot > 0 && dot + 1 < fileName.size() && fileName.size() - dot <= kLongestExtension + 1) {
    for (char c : fileName.substr(dot + 1)) key_.push_back((c >= 'A' && c <= 'Z') ? char(c + 32) : c);
  }
  // All digits ("2024", "12") is a version or a date, not a type; one digit is (man pages).
  if (key_.size() > 1 && key_.find_first_not_of("0123456789") == std::string::npos) key_.clear();
  auto found = byExtension_.find(std::string_view(key_));
  if (found != byExtension_.end()) return found->second;
  // Names like "notes.2024-05-01" make endless one-off "extensions": past a
  // bound, new ones share the image of names without an extension.
  if (byExtension_.size() >= kMostExtensions) {
    key_.clear();
    found = byExtension_.find(std::string_view(key_));
    if (found != byExtension_.end()) return found->second;
  }
  const int index = lookUp(key_);
  byExtension_.emplace(key_, index);
  return index;
}

int ThemeIconSource::lookUp(const std::string& extension) {
  const QString probe = extension.empty() ? QStringLiteral("file") : "file." + QString::fromUtf8(extension);
  const QMimeType type = mimeDatabase_.mimeTypeForFile(probe, QMimeDatabase::MatchExtension);
  QIcon icon;
  QString iconName;
  for (const QString& candidate :
       {type.iconName(), type.genericIconName(), QStringLiteral("text-x-generic"), QStringLiteral("unknown")}) {
    if (candidate.isEmpty() || !QIcon::hasThemeIcon(candidate)) continue;
    iconName = candidate;
    break;
  }
  if (iconName.isEmpty()) return kBlank;
  const auto known = byIconName_.find(iconName);
  if (known != byIconName_.end()) return known->second;
  icons_.push_back(QIcon::fromTheme(iconName));
  const int index = static_cast<int>(icons_.size()) - 1;
  byIconName_.emplace(iconName, index);
  return index;
}

QVariant ThemeIconSource::image(int index) const {
  if (index < 0 || index >= count()) return QVariant::fromValue(icons_[kBlank]);
  return QVariant::fromValue(icons_[index]);
}
