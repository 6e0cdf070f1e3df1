// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QPlainTextEdit;
class UnreadableLog;
enum class FsOutcome;

// The folders and files the last search could not read, one a line with why,
// as text that can be selected and copied.
class UnreadableWindow : public QDialog {
  Q_OBJECT
public:
  UnreadableWindow(const UnreadableLog& log, QWidget* parent);
  static QString reason(FsOutcome why);

  QPlainTextEdit* list = nullptr;
};
