// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <vector>

#include "shell/SearchWindows.h"
#include "ui/TitleStripDrag.h"

class Context;
class EntryBar;
class LabelButton;
class QCheckBox;
class QLabel;

// The launcher: the kinds of search as a column of entry bars, the about
// box, the date search (not in this version), the exit, and whether the
// transparency question is asked at each start.
class LauncherWindow : public QDialog {
  Q_OBJECT
public:
  LauncherWindow(Context& context, SearchWindows& windows, QWidget* parent = nullptr);

  void allFilesPressed();
  void containingTextPressed();
  void multimediaPressed();
  void officePressed();
  void datesPressed();
  void aboutPressed();
  void exitPressed();  // also the "X"
  void askToggled();

  QLabel* heading = nullptr;
  LabelButton* closeX = nullptr;
  QLabel* prompt = nullptr;
  EntryBar* allFilesEntry = nullptr;
  EntryBar* containingTextEntry = nullptr;
  EntryBar* multimediaEntry = nullptr;
  EntryBar* officeEntry = nullptr;
  EntryBar* datesEntry = nullptr;
  EntryBar* aboutEntry = nullptr;
  EntryBar* exitEntry = nullptr;
  QCheckBox* askBox = nullptr;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void hover(QObject* over);
  void resetHover();

  Context& context_;
  SearchWindows& windows_;
  std::vector<EntryBar*> bars_;
  QLabel* background_ = nullptr;
  QWidget* titleStrip_ = nullptr;
  TitleStripDrag titleDrag_{this};
};
