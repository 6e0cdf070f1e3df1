// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/DisplayCheck.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <QByteArray>
#include <QList>

#include <cstring>

namespace {
bool x11Answers() {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);  // $DISPLAY, as Qt's xcb platform reads it
  const bool answers = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return answers;
}

// The compositor's socket: $WAYLAND_DISPLAY (wayland-0 by default) in
// $XDG_RUNTIME_DIR, or a path of its own, as the Wayland client library finds it.
bool waylandAnswers() {
  QByteArray name = qgetenv("WAYLAND_DISPLAY");
  if (name.isEmpty()) name = "wayland-0";
  if (!name.startsWith('/')) {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.isEmpty()) return false;
    name = runtime + '/' + name;
  }
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (std::size_t(name.size()) >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, name.constData(), name.size());
  const int handle = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const bool answers = handle >= 0 && ::connect(handle, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  if (handle >= 0) ::close(handle);
  return answers;
}
}  // namespace

// Qt tries the platforms of QT_QPA_PLATFORM in turn ("wayland;xcb"), each
// possibly with arguments ("xcb:display=:1" is left to Qt); without it, the
// session's kind first, then X11.
DisplayCheck::Found DisplayCheck::find() {
  QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
  if (platforms.isEmpty()) platforms = qgetenv("XDG_SESSION_TYPE") == "wayland" ? "wayland;xcb" : "xcb";
  for (const QByteArray& platform : platforms.split(';')) {
    const QByteArray name = platform.split(':').first().trimmed();
    if (name == "xcb") {
      if (platform.contains(':') || x11Answers()) return Found::WindowSystem;
    } else if (name.startsWith("wayland")) {
      if (waylandAnswers()) return Found::WindowSystem;
    } else if (!name.isEmpty()) {
      return Found::Other;
    }
  }
  return Found::None;
}
