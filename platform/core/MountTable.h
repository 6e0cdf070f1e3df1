// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <sys/types.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The system's mounts, read once per search: which are the kernel's interface
// file systems (proc, sysfs and the like), which a search never enters, and
// which hold files (disks, removable media, network shares, tmpfs).
class MountTable {
public:
  struct Mount {
    std::string point;  // raw bytes, unescaped
    std::string type;
    dev_t device;
  };

  static MountTable read();  // /proc/self/mountinfo
  static MountTable parse(std::string_view mountinfo);
  static bool isInterfaceType(std::string_view type);
  // A network share or a userspace file system: asking it anything may wait
  // on a server or a daemon, for ever if it is gone.
  static bool isRemoteType(std::string_view type);

  // The location list: "/" first, then the other mount points where files
  // live, in byte order. isFolder is asked only of local mounts, to leave out
  // bind mounts of single files; a remote mount is offered untouched.
  std::vector<std::string> locations(const std::function<bool(const std::string&)>& isFolder) const;
  const std::vector<Mount>& interfaceMounts() const { return interface_; }

private:
  bool insideInterface(const std::string& point) const;
  bool reachedThroughRemote(const Mount& mount) const;

  std::vector<Mount> real_;
  std::vector<Mount> interface_;
};
