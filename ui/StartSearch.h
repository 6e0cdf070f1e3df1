// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <optional>
#include <string>

// A search the command line opens at once, in place of the launcher or
// "Select Action": its kind as the command line names it, the texts that fill
// its fields, and whether Find is pressed as soon as it shows.
struct StartSearch {
  std::string kind;  // empty: none asked for
  std::optional<QString> name;
  std::optional<QString> containing;
  bool find = false;
};
