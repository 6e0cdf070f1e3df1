#pragma once
#include <QIcon>
#include <QMimeDatabase>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/IconSource.h"

// File-type images from the desktop's icon theme. The type is found from the
// name's extension through the shared MIME database; each extension is looked
// up once, so a match costs a hash lookup, never an image decode.
class ThemeIconSource final : public IconSource {
public:
  static constexpr std::size_t kLongestExtension = 12;
  static constexpr std::size_t kMostExtensions = 512;

  ThemeIconSource();

  int iconIndex(std::string_view fileName) override;
  QVariant image(int index) const override;
  int count() const override { return static_cast<int>(icons_.size()); }

  static QIcon folderImage();

private:
  struct KeyHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  int lookUp(const std::string& extension);
  static void ensureIconTheme();

  QMimeDatabase mimeDatabase_;
  std::vector<QIcon> icons_;
  std::unordered_map<std::string, int, KeyHash, std::equal_to<>> byExtension_;
  std::unordered_map<QString, int> byIconName_;
  std::string key_;  // reused for every lookup
};
