// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>
#include <string_view>

// The images of file types, addressed by index. Index 0 is a blank image,
// index 1 the folder image.
class IconSource {
public:
  static constexpr int kBlank = 0;
  static constexpr int kFolder = 1;

  virtual ~IconSource() = default;
  // The image of a file's type, found from its whole name (never its content).
  virtual int iconIndex(std::string_view fileName) = 0;
  virtual QIcon image(int index) const = 0;
  // What the type is called ("plain text document"), from the whole name; empty when unknown.
  virtual QString typeName(std::string_view fileName) = 0;
  virtual int count() const = 0;
};
