// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Context;
class SearchWindows;

// What the program does once its splash has closed: decide on transparency,
// then open the search the command line asks for, the command-line window
// (when started with a folder) or the launcher, modally. When that window
// closes, nothing is left open.
namespace StartSequence {
void decideTransparency(Context& context);
void run(Context& context, SearchWindows& windows);
}  // namespace StartSequence
