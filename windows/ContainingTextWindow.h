#pragma once
#include "windows/SearchWindow.h"

// Files With Containing Text: files whose name passes the name test and whose
// content holds a text.
class ContainingTextWindow : public SearchWindow {
  Q_OBJECT
public:
  explicit ContainingTextWindow(Context& context, QWidget* parent = nullptr);
  static SearchWindowDescription description();
};
