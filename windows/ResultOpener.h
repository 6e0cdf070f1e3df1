// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <cstddef>

class Context;
class ResultList;

// A double-click on a result: the busy display, then the file handed to the
// desktop to open with its default application; a file no longer there and a
// type with no application are reported, any other failure is not.
class ResultOpener {
  Q_DECLARE_TR_FUNCTIONS(ResultOpener)

public:
  // failedDisplay: show "Failed.." before the message (all windows but one).
  static void open(Context& context, const ResultList& results, std::size_t row, bool failedDisplay);
};
