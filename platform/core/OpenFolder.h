// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An open folder handle, closed when released or destroyed. Files are looked
// up and opened relative to it, never by a rebuilt path.
class OpenFolder {
public:
  OpenFolder() = default;
  OpenFolder(const OpenFolder&) = delete;
  OpenFolder& operator=(const OpenFolder&) = delete;
  ~OpenFolder() { release(); }

  void reset(int handle);
  void release() { reset(-1); }
  int handle() const { return handle_; }
  bool isOpen() const { return handle_ >= 0; }

private:
  int handle_ = -1;
};
