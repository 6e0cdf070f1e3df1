// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether the platform Qt is about to start on (QT_QPA_PLATFORM, or else the
// session's kind: Wayland or X11) finds a display, asked before any
// application object exists: Qt itself would abort where it finds none.
// Platforms that need no display (offscreen, vnc, linuxfb...) always do.
namespace DisplayCheck {
enum class Found {
  None,
  WindowSystem,  // X11 or Wayland, whose connection Qt serves from a thread of its own
  Other,
};
Found find();
}  // namespace DisplayCheck
