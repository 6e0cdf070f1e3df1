#pragma once
#include "windows/SearchWindow.h"

// Office Documents: files of a chosen document or project kind, optionally
// filtered by name.
class OfficeWindow : public SearchWindow {
  Q_OBJECT
public:
  explicit OfficeWindow(Context& context, QWidget* parent = nullptr);
  static SearchWindowDescription description();
};
