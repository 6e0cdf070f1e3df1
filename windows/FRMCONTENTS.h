#pragma once
#include "windows/SearchWindow.h"

// Multimedia Search: files of a chosen kind (music, pictures, videos, mobile
// content), optionally filtered by name.
class FRMCONTENTS : public SearchWindow {
  Q_OBJECT
public:
  explicit FRMCONTENTS(QWidget* parent = nullptr);
  static SearchWindowDescription description();
};
