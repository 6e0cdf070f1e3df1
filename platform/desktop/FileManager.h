// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <string>
#include <vector>

// The desktop's file manager, asked to show files selected in their folders.
class FileManager {
public:
  virtual ~FileManager() = default;
  // paths: exact bytes. done(false) when no file manager answered or the call
  // failed; it may come later, from the event loop, or never once this is gone.
  virtual void showItems(const std::vector<std::string>& paths, std::function<void(bool shown)> done) = 0;
};
