// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <optional>
#include <string>
#include <vector>

#include "ui/StartSearch.h"

// The program's command line, read before any window or setting exists:
// --help and --version are answered there, an unknown option (or kind of
// search) is refused, --search and its texts name a search to open at once,
// and the rest are the words of a folder to start in. Each argument reaches
// QCommandLineParser one character per byte (Latin-1), so the folder comes
// back with its exact bytes, UTF-8 or not.
class CommandLine {
  Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
  CommandLine(int argc, const char* const* argv);

  // Set when the program is not to start: 0 after help or the version, 2
  // after a mistake (the usage then goes to standard error).
  std::optional<int> exitStatus() const { return exitStatus_; }
  // Prints the help, the version or the mistake; gives the status to end
  // with, 1 where the text could not be written.
  int answer() const;

  // The program's name, then the folder's words, as the Context takes them.
  int count() const { return static_cast<int>(pointers_.size()); }
  const char* const* arguments() const { return pointers_.data(); }
  // The search to open at once; no kind when none was asked for.
  const StartSearch& search() const { return search_; }

private:
  std::optional<int> exitStatus_;
  std::string answer_;
  std::vector<std::string> words_;
  std::vector<const char*> pointers_;
  StartSearch search_;
};
