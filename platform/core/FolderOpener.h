// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

// Opens a folder below an open folder through real folders only: no
// component may be a link, and nothing outside may be reached (openat2 with
// RESOLVE_BENEATH and RESOLVE_NO_SYMLINKS, or one component at a time with
// O_NOFOLLOW where openat2 is missing). Paths longer than the system takes
// are opened in pieces. Safe from any thread.
namespace FolderOpener {
// relative: the path below dirHandle, "" for itself; terminated: the same
// bytes, NUL-terminated. A handle, or -1 with errno set.
int openBeneath(int dirHandle, std::string_view relative, const char* terminated);
// Opens a folder the user named, through links, however long its path; flags
// as for open. A handle, or -1 with errno set.
int openNamed(const std::string& path, int flags);
}  // namespace FolderOpener
