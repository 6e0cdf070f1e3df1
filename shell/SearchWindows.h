// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The search windows, as the launcher and the command-line window open
// them. The windows live in the layer above; the program hands them in.
class SearchWindows {
public:
  enum Kind { AllFiles, ContainingText, Multimedia, Office, ByDate };
  virtual ~SearchWindows() = default;
  // Opens a new window of the kind modally, as a dialog of the window it is
  // opened over or, with none, as a main window; returns when it has closed.
  virtual void open(Kind kind, QWidget* over) = 0;
};
