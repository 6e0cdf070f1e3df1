#include "windows/DesktopServices.h"

#include "platform/desktop/GioFileOpener.h"
#include "platform/desktop/ThemeIconSource.h"

IconSource& DesktopServices::icons() {
  static ThemeIconSource icons;
  return icons;
}

FileOpener& DesktopServices::opener() {
  static GioFileOpener opener;
  return opener;
}
