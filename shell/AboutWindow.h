// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

// The about box: what the program is, and that it is free to use.
class AboutWindow : public QDialog {
  Q_OBJECT
public:
  explicit AboutWindow(QWidget* parent = nullptr);
};
