// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/core/LinuxFileSystem.h"

// A tree that exists only here: the start folder (a real one) holds `folders`
// folders of `perFolder` files each, named like files found on a disk. A real
// search of it fills a window's list with as many rows as asked, without a
// million files on the disk.
class GeneratedFileSystem final : public FileSystem {
public:
  GeneratedFileSystem(int folders, int perFolder) : folders_(folders), perFolder_(perFolder) {}

  std::vector<std::string> drives() override { return real_.drives(); }
  bool folderExists(const std::string& p) override { return real_.folderExists(p); }
  std::string absolutePathName(const std::string& f, const std::string& n) override {
    return real_.absolutePathName(f, n);
  }
  FsOutcome beginSearch(const std::string& start, SearchRoot& root) override {
    start_ = start;
    return real_.beginSearch(start, root);
  }
  FsOutcome enter(SearchRoot&, const std::string& path, OpenFolder&, DirectoryEntries& entries) override {
    char name[96];
    const bool top = path == start_;
    for (int i = 0; i < (top ? folders_ : perFolder_) && !entries.abandoned(); ++i) {
      if (top) {
        std::snprintf(name, sizeof name, "project-%05d", i);
        entries.addFolder(name);
      } else {
        std::snprintf(name, sizeof name, "report-%07d-%s.txt", i, path.c_str() + path.size() - 5);
        entries.addFile(name, false);
      }
    }
    return FsOutcome::Ok;
  }
  FsOutcome fileDetails(const SearchRoot&, const OpenFolder&, const char* name, bool, FileTime,
                        FileFacts& facts) override {
    facts.size = std::int64_t(std::strlen(name)) * 1000;
    return FsOutcome::Ok;
  }
  FsOutcome openFile(SearchRoot&, const OpenFolder&, const char*, FileReader&) override { return FsOutcome::NotListed; }
  std::unique_ptr<ReadAhead> makeReadAhead(int, ReadAhead::When) override { return nullptr; }

private:
  LinuxFileSystem real_;
  int folders_, perFolder_;
  std::string start_;
};
