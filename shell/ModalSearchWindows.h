#pragma once
#include "shell/SearchWindows.h"

// Opens each kind of search window as the launcher and the command-line
// window ask: a new window, modal, destroyed when it closes.
class ModalSearchWindows final : public SearchWindows {
public:
  void open(Kind kind, QWidget* over) override;
};
