#pragma once
#include "windows/SearchWindow.h"

// Multimedia Search: files of a chosen kind (music, pictures, videos, mobile
// content), optionally filtered by name.
class MultimediaWindow : public SearchWindow {
  Q_OBJECT
public:
  explicit MultimediaWindow(Context& context, QWidget* parent = nullptr);
  static SearchWindowDescription description();
};
