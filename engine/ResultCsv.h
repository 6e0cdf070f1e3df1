// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ResultList;

// A list of results as CSV (RFC 4180): a header line, then one line per
// record in the order given, with the name and folder as the list shows them,
// the size in bytes, and a file:// URI that names the file's exact bytes.
// Fields holding a comma, a quote or a line break are quoted, their quotes
// doubled; lines end in CRLF. A name or folder that a spreadsheet would take
// for a formula (one starting with =, +, -, @, a tab or a carriage return)
// gets a single quote in front, so that it stays text. Made a chunk at a time,
// so that a million rows never sit in memory whole.
class ResultCsv {
public:
  ResultCsv(const ResultList& results, std::vector<std::uint32_t> records)
      : results_(results), records_(std::move(records)) {}
  // The next lines, about 1 MiB of them; empty at the end.
  std::string_view next();

private:
  const ResultList& results_;
  std::vector<std::uint32_t> records_;
  std::size_t done_ = 0;
  bool headed_ = false;
  std::string chunk_;
};
