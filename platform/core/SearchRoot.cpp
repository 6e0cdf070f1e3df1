// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/SearchRoot.h"

#include <algorithm>

bool SearchRoot::isInterfaceDevice(dev_t device) const {
  return std::find(interfaceDevices_.begin(), interfaceDevices_.end(), device) != interfaceDevices_.end();
}

bool SearchRoot::hasInterfaceChildren(dev_t device, ino_t inode) const {
  return std::any_of(parents_.begin(), parents_.end(),
                     [&](const Parent& p) { return p.device == device && p.inode == inode; });
}

bool SearchRoot::isInterfaceChild(dev_t device, ino_t inode, std::string_view name) const {
  return std::any_of(parents_.begin(), parents_.end(),
                     [&](const Parent& p) { return p.device == device && p.inode == inode && p.childName == name; });
}

void SearchRoot::release() {
  folders_.clear();
  start_.release();
  path_.clear();
  interfaceDevices_.clear();
  parents_.clear();
}

void SearchRoot::reset(std::string path, int handle, std::vector<dev_t> interfaceDevices, std::vector<Parent> parents) {
  folders_.clear();
  path_ = std::move(path);
  start_.reset(handle);
  interfaceDevices_ = std::move(interfaceDevices);
  parents_ = std::move(parents);
}

bool SearchRoot::relativeTo(const std::string& start, const std::string& path, std::size_t& from) {
  if (path.compare(0, start.size(), start) != 0) return false;
  from = start.size();
  if (from < path.size() && !start.empty() && start.back() != '/') {
    if (path[from] != '/') return false;  // a sibling that shares the prefix
    ++from;
  }
  return true;
}
