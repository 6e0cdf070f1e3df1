// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QTemporaryDir>
#include <QtTest/qtestcase.h>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Lists of names print in full when a comparison fails.
namespace QTest {
template <>
inline char* toString(const std::vector<std::string>& names) {
  QByteArray text = "{";
  for (const std::string& n : names) text += "\"" + QByteArray::fromStdString(n) + "\" ";
  return qstrdup((text + "}").constData());
}
}  // namespace QTest

using Names = std::vector<std::string>;

// A real folder tree in a temporary folder, built from raw byte names.
class TempTree {
public:
  TempTree();
  ~TempTree();  // removes names QTemporaryDir cannot (not UTF-8)
  const std::string& root() const { return root_; }
  std::string path(std::string_view relative) const;

  void folder(std::string_view relative);
  void file(std::string_view relative, std::string_view content = {});
  void link(std::string_view relative, std::string_view target);
  void fifo(std::string_view relative);
  void remove(std::string_view relative);  // recursive

private:
  QTemporaryDir dir_;
  std::string root_;
};

// R{A{A1, A2}, B{B1}, C}, one file "f.txt" in each folder.
struct SampleTree final : TempTree {
  SampleTree();
};
