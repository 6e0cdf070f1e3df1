#pragma once
#include <string>
#include <string_view>
#include <vector>

// A file listing's pattern: ";"-separated elements, each a wildcard for the
// whole name ("*" any run of characters, everything else itself), compared
// without regard to case. "*.*" admits every name, with or without a dot.
class ListingPattern {
public:
  ListingPattern();  // "*.*"
  explicit ListingPattern(std::string_view text);

  const std::string& text() const { return text_; }
  bool admitsEverything() const { return everything_; }
  bool matches(std::string_view name) const;

private:
  static bool wildcardMatch(std::string_view pattern, std::string_view name);

  std::string text_;
  bool everything_ = true;
  std::vector<std::string> elements_;  // lower-cased
  std::vector<std::string> suffixes_;  // elements of the form "*tail" with no other star
};
