// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/core/FolderCache.h"
#include "platform/core/OpenFolder.h"

// What one search holds while it runs: its start folder, open, so that every
// folder of the search is opened below it and never through a link;
// and the kernel's interface file systems, known by device, not by path;
// and handles on the folders whose subfolders are still to be entered.
class SearchRoot {
public:
  const std::string& path() const { return path_; }
  int handle() const { return start_.handle(); }
  bool isOpen() const { return start_.isOpen(); }
  bool isInterfaceDevice(dev_t device) const;
  const std::vector<dev_t>& interfaceDevices() const { return interfaceDevices_; }
  // Where the part of path below the start folder begins ("" for the start
  // folder itself); false for a path that is not below it.
  bool relative(const std::string& path, std::size_t& from) const { return relativeTo(path_, path, from); }
  static bool relativeTo(const std::string& start, const std::string& path, std::size_t& from);
  // Whether an interface file system is mounted on this name directly inside
  // the folder with this identity.
  bool isInterfaceChild(dev_t device, ino_t inode, std::string_view name) const;
  bool hasInterfaceChildren(dev_t device, ino_t inode) const;
  FolderCache& folders() { return folders_; }
  void release();

  // For the file-system implementation.
  struct Parent {
    dev_t device;
    ino_t inode;
    std::string childName;
  };
  void reset(std::string path, int handle, std::vector<dev_t> interfaceDevices, std::vector<Parent> parents);

private:
  std::string path_;
  OpenFolder start_;
  std::vector<dev_t> interfaceDevices_;
  std::vector<Parent> parents_;
  FolderCache folders_;
};
