#pragma once
#include "windows/SearchWindow.h"

// The All Files search: files whose name contains the text.
class AllFilesWindow : public SearchWindow {
  Q_OBJECT
public:
  explicit AllFilesWindow(Context& context, QWidget* parent = nullptr);
  static SearchWindowDescription description();
};
