#pragma once
#include <sys/types.h>

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

  // Where files live: "/" first, then the other mount points in byte order.
  std::vector<std::string> realMountPoints() const;
  const std::vector<Mount>& interfaceMounts() const { return interface_; }

private:
  bool insideInterface(const std::string& point) const;

  std::vector<Mount> real_;
  std::vector<Mount> interface_;
};
