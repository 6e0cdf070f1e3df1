// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "platform/desktop/FileManager.h"

// Notes what it is asked to show and answers at once: shown, or, as where no
// file manager runs, not.
class RecordingFileManager final : public FileManager {
public:
  void showItems(const std::vector<std::string>& paths, std::function<void(bool shown)> done) override {
    asked.push_back(paths);
    done(answers);
  }
  std::vector<std::vector<std::string>> asked;  // each call's paths
  bool answers = false;
};
