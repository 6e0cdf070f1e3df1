// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <string>
#include <string_view>

// The name test: without match-case, the text must occur in the name; with
// it, the whole name must equal the text. Letter case never counts (CaseFold),
// beyond ASCII too. ASCII names against an ASCII text take a fast path that
// folds nothing.
class NameTest {
public:
  void prepare(const QString& text);
  const QString& text() const { return text_; }
  bool matches(std::string_view name, bool matchCase) const;

private:
  bool contains(std::string_view name) const;
  bool equalsWhole(std::string_view name) const;
  std::string_view foldedName(std::string_view name) const;

  QString text_;
  std::string folded_;  // the text, folded
  bool textIsAscii_ = true;
  mutable std::string scratch_;  // a folded name, reused
};
