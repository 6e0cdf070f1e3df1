// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/GioFileOpener.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <unistd.h>

#include <memory>

namespace {
template <typename T>
struct Unref {
  void operator()(T* p) const { g_object_unref(p); }
};
template <typename T>
using GPtr = std::unique_ptr<T, Unref<T>>;

// Runs in the child between fork and exec: only async-signal-safe calls.
void enterFolder(gpointer folder) {
  if (::chdir(static_cast<const char*>(folder)) != 0) {
    // Stay where we are: the application still gets the file's full path.
  }
}
}  // namespace

FileOpener::Outcome GioFileOpener::open(const std::string& path, const std::string& folder) {
  if (path.find('\0') != std::string::npos || folder.find('\0') != std::string::npos) return Outcome::Failed;
  GPtr<GFile> file(g_file_new_for_path(path.c_str()));
  GError* error = nullptr;
  GPtr<GFileInfo> info(
      g_file_query_info(file.get(), G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE, G_FILE_QUERY_INFO_NONE, nullptr, &error));
  if (!info) {
    g_clear_error(&error);
    return Outcome::Failed;  // gone, or not readable
  }
  const char* type = g_file_info_get_content_type(info.get());
  GPtr<GAppInfo> app(type ? g_app_info_get_default_for_type(type, FALSE) : nullptr);
  if (!app) return Outcome::NoApplication;

  gboolean launched = FALSE;
  if (G_IS_DESKTOP_APP_INFO(app.get())) {
    char* uri = g_file_get_uri(file.get());
    GList uris{uri, nullptr, nullptr};
    launched = g_desktop_app_info_launch_uris_as_manager(G_DESKTOP_APP_INFO(app.get()), &uris, nullptr,
                                                         G_SPAWN_SEARCH_PATH, enterFolder,
                                                         const_cast<char*>(folder.c_str()), nullptr, nullptr, &error);
    g_free(uri);
  } else {
    GList files{file.get(), nullptr, nullptr};
    launched = g_app_info_launch(app.get(), &files, nullptr, &error);
  }
  g_clear_error(&error);
  return launched ? Outcome::Opened : Outcome::Failed;
}
