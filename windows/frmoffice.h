#pragma once
#include "windows/SearchWindow.h"

// Office Documents: files of a chosen document or project kind, optionally
// filtered by name.
class frmoffice : public SearchWindow {
  Q_OBJECT
public:
  explicit frmoffice(QWidget* parent = nullptr);
  static SearchWindowDescription description();
};
