// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "windows/SearchWindowDescription.h"

class CategoryTable;

// What the two category windows share: the category label and box, a press
// that applies the chosen category before anything is checked, no length
// rule for the name and no separate message for an empty location.
class CategorySearch {
public:
  static SearchWindowDescription describe(const CategoryTable& table, const QString& categoryCaption);
};
