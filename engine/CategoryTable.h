// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

// A fixed table of file-type categories: each a caption and a listing
// pattern, chosen by position only (never by caption text). The captions
// are English, marked for translation in the "CategoryTable" context: a
// window shows them translated.
class CategoryTable {
public:
  struct Category {
    const char* caption;
    std::string pattern;
  };

  static const CategoryTable& multimedia();  // 11 categories
  static const CategoryTable& office();      // 17 categories

  std::size_t size() const { return categories_.size(); }
  const Category& at(std::size_t index) const { return categories_[index]; }
  // The pattern of the category at index; null for any index outside the table.
  const std::string* patternAt(int index) const;

private:
  explicit CategoryTable(std::vector<Category> categories) : categories_(std::move(categories)) {}
  std::vector<Category> categories_;
};
