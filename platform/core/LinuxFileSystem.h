// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/FileSystem.h"
#include "platform/core/FolderReader.h"
#include "platform/core/LinuxReadAhead.h"

// File-system services over the Linux system calls. Each folder is read once,
// in large batches with getdents64; a file is looked up (statx, relative to
// its open folder) only when its name matches. Folders of a search are opened
// from the nearest open folder kept above them (their parent, mostly: one
// name, at any depth) with openat2, which refuses links and anything outside
// it, so a folder swapped for a link is never followed. Where the system
// runs out of handles, the open folders kept give theirs back first.
class LinuxFileSystem final : public FileSystem {
public:
  std::vector<std::string> drives() override;
  bool folderExists(const std::string& path) override;
  std::string absolutePathName(const std::string& folder, const std::string& name) override;
  FsOutcome beginSearch(const std::string& startFolder, SearchRoot& root) override;
  FsOutcome enter(SearchRoot& root, const std::string& path, OpenFolder& folder, DirectoryEntries& entries) override;
  FsOutcome fileDetails(const SearchRoot& root, const OpenFolder& folder, const char* name, bool isLink, FileTime which,
                        FileFacts& facts) override;
  FsOutcome openFile(SearchRoot& root, const OpenFolder& folder, const char* name, FileReader& reader) override;
  std::unique_ptr<ReadAhead> makeReadAhead(int workers, ReadAhead::When when) override;
  // What the read-aheads it makes learn of the walk's reads, and tests replace.
  ReadAheadHooks& readAheadHooks() { return hooks_; }

private:
  int openFolder(SearchRoot& root, const std::string& path);
  FsOutcome readEntries(const SearchRoot& root, int handle, DirectoryEntries& entries, bool& hasFolders);

  FolderReader reader_;
  ReadAheadHooks hooks_;
};
