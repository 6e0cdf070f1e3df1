// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class ResultList;

// A list of results as CSV (RFC 4180): a header line, then one line per
// record in the order given, with the name and folder as the list shows them,
// the size in bytes, and a file:// URI that names the file's exact bytes.
// Fields holding a comma, a quote or a line break are quoted, their quotes
// doubled; lines end in CRLF.
namespace ResultCsv {
std::string text(const ResultList& results, const std::vector<std::uint32_t>& records);
}  // namespace ResultCsv
