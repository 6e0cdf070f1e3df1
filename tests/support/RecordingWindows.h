// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <vector>

#include "shell/SearchWindows.h"

// Records which search windows are opened instead of opening them.
struct RecordingWindows final : SearchWindows {
  std::vector<Kind> opened;
  std::function<void(Kind)> whileOpen;
  void open(Kind kind, QWidget*, const StartSearch*) override {
    opened.push_back(kind);
    if (whileOpen) whileOpen(kind);
  }
};
