#pragma once
#include <QDialog>

// The about box: what the program is, and that it is free to use.
class frmabout : public QDialog {
  Q_OBJECT
public:
  explicit frmabout(QWidget* parent = nullptr);
};
