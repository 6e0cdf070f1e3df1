// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// A file listing's pattern: ";"-separated elements, each a wildcard for the
// whole name ("*" any run of characters, everything else itself), compared
// without regard to case (CaseFold). "*.*" admits every name, with or without
// a dot. Compiled once: the "*.ext" elements, the usual kind, become one set
// of extensions, so a name costs one lookup whatever the number of elements.
class ListingPattern {
public:
  ListingPattern();  // "*.*"
  explicit ListingPattern(std::string_view text);

  bool matches(std::string_view name) const;

private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  static constexpr std::uint32_t kStar = 0xFFFFFFFF;
  void addElement(std::string_view element);
  static bool wildcardMatch(const std::vector<std::uint32_t>& pattern, const std::vector<std::uint32_t>& name);

  bool everything_ = true;
  std::unordered_set<std::string, Hash, std::equal_to<>> extensions_;  // folded, no dot
  std::vector<std::vector<std::uint32_t>> wildcards_;                  // any other element, as CaseFold keys and stars
  mutable std::string scratch_;                                        // a folded extension, reused
  mutable std::vector<std::uint32_t> nameKeys_;                        // a name's keys, reused
};
