// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The kernel's own cost of a walk: a tree read with bare getdents64 calls
// (open, read, close; into every folder whose name does not start with a
// dot, as the search goes) and nothing else. Prints one JSON line with the
// wall, user and system time; the system time is the floor of any walk.
int getdentsWalk(const char* start);
