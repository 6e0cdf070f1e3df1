// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <string>

#include "engine/ListingPattern.h"
#include "engine/TimeSizeTest.h"

// What may change while a walk runs: the walk takes them afresh from its
// host after every yield (nothing else lets the user change them).
struct LiveInputs {
  QString nameText;
  QString containingText;  // what a candidate's content must hold, in a content search
  bool matchCase = false;
  bool operator==(const LiveInputs&) const = default;
};

// One search as pressed: a plain value, so that a search can be compared,
// logged and tested without a window.
struct SearchQuery {
  std::string startFolder;   // raw bytes, as the location box holds them
  LiveInputs inputs{};       // as they stood when the walk started
  ListingPattern pattern{};  // the file listing's
  // A file whose name passes is a result only if its content holds the
  // containing text.
  bool contentTest = false;
  // The content test reads a document's text (DocumentText), not its bytes.
  bool documents = false;
  TimeSizeTest timeSize{};  // after the name; its time is the one each result keeps
};
