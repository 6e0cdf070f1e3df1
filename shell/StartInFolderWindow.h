// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

#include "shell/SearchWindows.h"

class Context;
class QLabel;
class QPushButton;
class WrapRadio;

// "Select Action": started with a folder on its command line, the program
// asks which kind of search to run in it. The chosen window then opens with
// that folder as its location; closing it ends the program.
class StartInFolderWindow : public QDialog {
  Q_OBJECT
public:
  StartInFolderWindow(Context& context, SearchWindows& windows, QWidget* parent = nullptr);

  void closePressed();

  QLabel* prompt = nullptr;
  WrapRadio* allFilesOption = nullptr;
  WrapRadio* containingTextOption = nullptr;
  WrapRadio* multimediaOption = nullptr;
  QPushButton* closeButton = nullptr;
  WrapRadio* officeOption = nullptr;
  WrapRadio* dateOption = nullptr;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void choose(SearchWindows::Kind kind);

  Context& context_;
  SearchWindows& windows_;
  bool chosen_ = false;
};
