// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a read of the file system came to. Running out of memory or file
// handles is told apart: it ends a search, where an unreadable folder or file
// is only skipped. Why one could not be read is kept for the user: Denied (no
// permission), Vanished (gone, or no longer a folder, since it was listed),
// Unreadable (any other failure). A document whose text could not be read
// says why: Encrypted, Damaged, TooLarge (when expanded), NoText (a PDF of
// pictures), TooSlow (past the time one document may take).
enum class FsOutcome {
  Ok,
  NotListed,
  Unreadable,
  Denied,
  Vanished,
  OutOfHandles,
  OutOfMemory,
  Encrypted,
  Damaged,
  TooLarge,
  NoText,
  TooSlow
};

inline bool exhausted(FsOutcome o) { return o == FsOutcome::OutOfHandles || o == FsOutcome::OutOfMemory; }
