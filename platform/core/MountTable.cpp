// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/MountTable.h"

#include <sys/sysmacros.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <unordered_set>

namespace {
std::vector<std::string_view> splitSpaces(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && line[i] == ' ') ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ') ++i;
    if (i > start) out.push_back(line.substr(start, i - start));
  }
  return out;
}

// mountinfo escapes blanks, tabs, newlines and backslashes as \ooo.
std::string unescape(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const char a = field[i + 1], b = field[i + 2], c = field[i + 3];
      if (a >= '0' && a <= '3' && b >= '0' && b <= '7' && c >= '0' && c <= '7') {
        out.push_back(char((a - '0') * 64 + (b - '0') * 8 + (c - '0')));
        i += 3;
        continue;
      }
    }
    out.push_back(field[i]);
  }
  return out;
}

dev_t parseDevice(std::string_view field) {
  const std::size_t colon = field.find(':');
  if (colon == std::string_view::npos) return 0;
  unsigned major = 0, minor = 0;
  for (char c : field.substr(0, colon)) major = major * 10 + unsigned(c - '0');
  for (char c : field.substr(colon + 1)) minor = minor * 10 + unsigned(c - '0');
  return makedev(major, minor);
}
}  // namespace

// The kernel's interfaces: their "files" are state, not data, and some never
// end (or block) when read. tmpfs and ramfs hold user files and are not here.
bool MountTable::isInterfaceType(std::string_view type) {
  static const std::unordered_set<std::string_view> kinds = {
      "proc",   "sysfs",      "cgroup",   "cgroup2",   "devpts", "debugfs",    "tracefs",     "securityfs",
      "pstore", "bpf",        "configfs", "fusectl",   "mqueue", "hugetlbfs",  "binfmt_misc", "efivarfs",
      "autofs", "rpc_pipefs", "nsfs",     "selinuxfs", "nfsd",   "fuse.lxcfs",
  };
  return kinds.count(type) != 0;
}

MountTable MountTable::parse(std::string_view text) {
  // Later mounts hide earlier ones on the same point: the last one counts.
  std::map<std::string, Mount> byPoint;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    const auto fields = splitSpaces(text.substr(pos, end - pos));
    pos = end + 1;
    const auto dash = std::find(fields.begin(), fields.end(), std::string_view("-"));
    if (fields.size() < 5 || dash == fields.end() || dash + 1 == fields.end() || dash - fields.begin() < 5) continue;
    Mount mount{unescape(fields[4]), std::string(*(dash + 1)), parseDevice(fields[2])};
    std::string point = mount.point;
    byPoint[std::move(point)] = std::move(mount);
  }
  MountTable table;
  for (auto& [point, mount] : byPoint) {
    if (isInterfaceType(mount.type)) table.interface_.push_back(std::move(mount));
    else table.real_.push_back(std::move(mount));
  }
  return table;
}

MountTable MountTable::read() {
  std::ifstream in("/proc/self/mountinfo");
  std::stringstream text;
  text << in.rdbuf();
  return parse(text.str());
}

namespace {
bool below(const std::string& point, const std::string& p) {
  return point.size() > p.size() && point.compare(0, p.size(), p) == 0 && (p == "/" || point[p.size()] == '/');
}
}  // namespace

bool MountTable::insideInterface(const std::string& point) const {
  return std::any_of(interface_.begin(), interface_.end(), [&](const Mount& m) { return below(point, m.point); });
}

// Reaching a mount below a share also asks the share.
bool MountTable::reachedThroughRemote(const Mount& mount) const {
  if (isRemoteType(mount.type)) return true;
  return std::any_of(real_.begin(), real_.end(),
                     [&](const Mount& m) { return isRemoteType(m.type) && below(mount.point, m.point); });
}

bool MountTable::isRemoteType(std::string_view type) {
  static const std::unordered_set<std::string_view> kinds = {
      "nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "9p", "ceph", "afs", "coda", "glusterfs", "lustre", "fuse",
  };
  return kinds.count(type) != 0 || type.substr(0, 5) == "fuse.";
}

std::vector<std::string> MountTable::locations(const std::function<bool(const std::string&)>& isFolder) const {
  std::vector<std::string> out{"/"};
  for (const Mount& m : real_) {
    // devtmpfs holds device nodes only: searched through, never offered as a
    // drive; nor is what is mounted inside a kernel interface (a search never
    // goes there from "/").
    if (m.point == "/" || m.type == "devtmpfs" || insideInterface(m.point)) continue;
    if (reachedThroughRemote(m) || isFolder(m.point)) out.push_back(m.point);
  }
  return out;
}
