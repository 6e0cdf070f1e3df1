// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <vector>

class ResultList;

// The orders the results can be shown in, as lists of record indexes: by name
// or by folder in the listings' name order (case folded, bytes that are not
// UTF-8 after every character, then raw bytes), by size in bytes or by the
// kept time. Records
// that compare equal stay in the order they were found in.
namespace ResultOrder {
enum class Key { Name, Folder, Size, Time };
std::vector<std::uint32_t> sorted(const ResultList& results, Key key);
}  // namespace ResultOrder
