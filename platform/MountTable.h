#pragma once
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// The system's mounts, read once: which mount points are real file systems
// (disks, removable media, network shares) and which are pseudo file systems
// that a search must never enter.
class MountTable {
public:
  static MountTable read();                         // /proc/self/mountinfo
  static MountTable parse(std::string_view mountinfo);

  // Real mount points, "/" first, then in path order.
  std::vector<std::string> realMountPoints() const;
  bool isPseudo(const std::string& path) const { return pseudo_.count(path) != 0; }
  // Whether some pseudo mount point sits directly in this folder: lets a
  // listing skip the per-subfolder check almost everywhere.
  bool hasPseudoChild(const std::string& folder) const { return pseudoParents_.count(folder) != 0; }

  static bool isPseudoType(std::string_view type, std::string_view mountPoint);

private:
  static std::string unescape(std::string_view field);

  std::vector<std::string> real_;
  std::unordered_set<std::string> pseudo_;
  std::unordered_set<std::string> pseudoParents_;
};
