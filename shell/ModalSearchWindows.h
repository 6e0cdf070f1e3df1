// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shell/SearchWindows.h"

class Context;

// Opens each kind of search window as the launcher and the command-line
// window ask: a new window, modal, destroyed when it closes.
class ModalSearchWindows final : public SearchWindows {
public:
  explicit ModalSearchWindows(Context& context) : context_(context) {}
  void open(Kind kind, QWidget* over, const StartSearch* start = nullptr) override;

private:
  Context& context_;
};
