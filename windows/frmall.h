#pragma once
#include "windows/SearchWindow.h"

// The All Files search: files whose name contains the text.
class frmall : public SearchWindow {
  Q_OBJECT
public:
  explicit frmall(QWidget* parent = nullptr);
  static SearchWindowDescription description();
};
