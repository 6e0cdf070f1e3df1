#include "platform/MountTable.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/NameOrder.h"

namespace {
std::vector<std::string_view> splitSpaces(std::string_view line) {
  std::vector<std::string_view> out;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && line[i] == ' ') ++i;
    const size_t start = i;
    while (i < line.size() && line[i] != ' ') ++i;
    if (i > start) out.push_back(line.substr(start, i - start));
  }
  return out;
}

std::string parentOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}
}  // namespace

bool MountTable::isPseudoType(std::string_view type, std::string_view mountPoint) {
  static const std::unordered_set<std::string_view> pseudo = {
      "proc",        "sysfs",     "devtmpfs",  "devpts",     "cgroup",         "cgroup2",
      "tmpfs",       "ramfs",     "securityfs", "pstore",    "bpf",            "tracefs",
      "debugfs",     "mqueue",    "hugetlbfs", "configfs",   "fusectl",        "binfmt_misc",
      "autofs",      "efivarfs",  "rpc_pipefs", "nsfs",      "selinuxfs",      "nfsd",
      "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs", "devfs", "shm",
  };
  if (type == "overlay") return mountPoint != "/";  // a container's root is real
  return pseudo.count(type) != 0;
}

// mountinfo escapes blanks, tabs, newlines and backslashes as \ooo.
std::string MountTable::unescape(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (size_t i = 0; i < field.size(); ++i) {
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

MountTable MountTable::parse(std::string_view text) {
  // Later mounts hide earlier ones on the same point: the last one counts.
  std::map<std::string, bool> pseudoByPoint;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    const auto fields = splitSpaces(text.substr(pos, end - pos));
    pos = end + 1;
    const auto dash = std::find(fields.begin(), fields.end(), std::string_view("-"));
    if (fields.size() < 5 || dash == fields.end() || dash + 1 == fields.end()) continue;
    std::string point = unescape(fields[4]);
    const bool isPseudo = isPseudoType(*(dash + 1), point);
    pseudoByPoint[std::move(point)] = isPseudo;
  }
  MountTable table;
  for (const auto& [point, isPseudo] : pseudoByPoint) {
    if (isPseudo) {
      table.pseudo_.insert(point);
      table.pseudoParents_.insert(parentOf(point));
    } else if (point != "/") {
      table.real_.push_back(point);
    }
  }
  std::sort(table.real_.begin(), table.real_.end(), [](const std::string& a, const std::string& b) {
    return NameOrder::less(a, b);
  });
  return table;
}

MountTable MountTable::read() {
  std::ifstream in("/proc/self/mountinfo");
  std::stringstream text;
  text << in.rdbuf();
  return parse(text.str());
}

std::vector<std::string> MountTable::realMountPoints() const {
  std::vector<std::string> out{"/"};
  out.insert(out.end(), real_.begin(), real_.end());
  return out;
}
