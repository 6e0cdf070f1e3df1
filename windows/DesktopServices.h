#pragma once

class FileOpener;
class IconSource;

// The desktop's services the windows use, each created on first use.
class DesktopServices {
public:
  static IconSource& icons();
  static FileOpener& opener();
};
