// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How many more handles this process may open now: its limit less those
// open (where /proc is missing, the lowest free handle stands for those).
namespace HandleCount {
long long spare();
}  // namespace HandleCount
