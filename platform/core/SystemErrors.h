// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

enum class FsOutcome;

// What a failed system call's error means to a search.
namespace SystemErrors {
FsOutcome outcome(int error);
}  // namespace SystemErrors
