// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "engine/ListingPattern.h"

// What one search is made of, as the presses of a window gather it.
// The name text, the containing text and Match Case are not here: the walk
// reads them from its host (WalkHost) after every yield, as they stand then.
struct SearchQuery {
  std::string startFolder;   // raw bytes, as the location box holds them
  ListingPattern pattern{};  // the file listing's
  // A file whose name passes is a result only if its content holds the
  // host's containing text.
  bool contentTest = false;
  // The content test reads a document's text (DocumentText), not its bytes.
  bool documents = false;
};
