#pragma once
#include <QVariant>
#include <string_view>

// The results' image list: images addressed by index, one per file type.
// Index 0 is a blank image, index 1 the folder image.
class IconSource {
public:
  static constexpr int kBlank = 0;
  static constexpr int kFolder = 1;

  virtual ~IconSource() = default;
  // The image of a file's type, found from its name alone (never its content).
  virtual int iconIndex(std::string_view fileName) = 0;
  // The image at index, as a value a view can show (an icon).
  virtual QVariant image(int index) const = 0;
  virtual int count() const = 0;
};
