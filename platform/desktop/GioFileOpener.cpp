// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/GioFileOpener.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string_view>

namespace {
template <typename T>
struct Unref {
  void operator()(T* p) const { g_object_unref(p); }
};
template <typename T>
using GPtr = std::unique_ptr<T, Unref<T>>;

// The entry the program installs for "Open With" on folders.
constexpr std::string_view kOwnDesktopId = "quorrel.desktop";

std::string realPath(const char* path) {
  std::error_code error;
  const std::filesystem::path real = path ? std::filesystem::canonical(path, error) : std::filesystem::path();
  return error ? std::string() : real.string();
}

// Quorrel itself, by its entry or by its executable: it takes folders, and
// handing one back to it would only start it again.
bool isThisProgram(GAppInfo* app) {
  const char* id = g_app_info_get_id(app);
  if (id && id == kOwnDesktopId) return true;
  const char* named = g_app_info_get_executable(app);
  if (!named || !*named) return false;
  char* found = g_find_program_in_path(named);
  const std::string executable = realPath(found);
  g_free(found);
  return !executable.empty() && executable == realPath("/proc/self/exe");
}

// The default application for the type, or else the first other one that
// takes it; never this program.
GAppInfo* applicationFor(const char* type) {
  GAppInfo* app = g_app_info_get_default_for_type(type, FALSE);
  if (app && !isThisProgram(app)) return app;
  if (app) g_object_unref(app);
  app = nullptr;
  GList* all = g_app_info_get_all_for_type(type);
  for (GList* each = all; each && !app; each = each->next)
    if (!isThisProgram(G_APP_INFO(each->data))) app = G_APP_INFO(g_object_ref(each->data));
  g_list_free_full(all, g_object_unref);
  return app;
}

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
    const bool gone = g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NOT_FOUND);
    g_clear_error(&error);
    return gone ? Outcome::Missing : Outcome::Failed;
  }
  const char* type = g_file_info_get_content_type(info.get());
  GPtr<GAppInfo> app(type ? applicationFor(type) : nullptr);
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
