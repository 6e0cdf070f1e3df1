#pragma once
#include <QString>
#include <string>
#include <string_view>

// The name test: without match-case, the text must occur in the name; with it,
// the whole name must equal the text. Letter case never counts, beyond ASCII
// too; names are matched on their decoded (UTF-8) form. ASCII names against an
// ASCII text take a fast path that never decodes.
class NameTest {
public:
  void prepare(const QString& text);
  bool matches(std::string_view name, bool matchCase) const;

private:
  bool contains(std::string_view name) const;
  bool equalsWhole(std::string_view name) const;

  QString text_;
  QString lowerText_;
  std::string asciiLower_;  // the text lower-cased, when it is ASCII
  bool textIsAscii_ = true;
};
