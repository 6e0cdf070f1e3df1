// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// Opens a file with the application the desktop associates with its type.
class FileOpener {
public:
  enum class Outcome { Opened, NoApplication, Missing, Failed };  // Missing: no file at the path
  virtual ~FileOpener() = default;
  // path: the file, as exact bytes; folder: where the application starts.
  virtual Outcome open(const std::string& path, const std::string& folder) = 0;
};
