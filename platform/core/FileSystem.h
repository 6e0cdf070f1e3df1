// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/DirectoryEntries.h"
#include "platform/core/FileFacts.h"
#include "platform/core/FileReader.h"
#include "platform/core/FsOutcome.h"
#include "platform/core/OpenFolder.h"
#include "platform/core/ReadAhead.h"
#include "platform/core/SearchRoot.h"

// The file-system services the engine and the windows rely on. Nothing here
// writes to the file system. Paths are raw bytes.
class FileSystem {
public:
  virtual ~FileSystem() = default;

  // "/" first, then the mount points of the other real file systems.
  virtual std::vector<std::string> drives() = 0;
  // True only for an existing folder; the empty text gives false.
  virtual bool folderExists(const std::string& path) = 0;
  // The full path of a name in a folder.
  virtual std::string absolutePathName(const std::string& folder, const std::string& name) = 0;

  // Opens the start folder (through links: the user named it) and takes what
  // a search needs once, such as the mount table.
  virtual FsOutcome beginSearch(const std::string& startFolder, SearchRoot& root) = 0;
  // Enters a folder of the search with one directory read, reporting its
  // subfolders and files to entries. Only a folder that is still a real
  // folder below the start folder, through no link, is entered; a kernel
  // interface file system (proc, sysfs...) is NotListed. A read that entries
  // abandon ends at once as Ok, and root and folder are not touched again.
  virtual FsOutcome enter(SearchRoot& root, const std::string& path, OpenFolder& folder, DirectoryEntries& entries) = 0;
  // The size and the chosen time of a listed file (of a link's target), in
  // one lookup. NotListed when it turns out not to be a regular file on a
  // real file system.
  virtual FsOutcome fileDetails(const SearchRoot& root, const OpenFolder& folder, const char* name, bool isLink,
                                FileTime which, FileFacts& facts) = 0;
  // Opens a listed file for a streamed read, never blocking: only a regular
  // file on a real file system is ever opened for reading, whatever the name
  // has become since it was listed; anything else is NotListed.
  virtual FsOutcome openFile(SearchRoot& root, const OpenFolder& folder, const char* name, FileReader& reader) = 0;
  // Reads ahead of a walk with this many worker threads; none: no read-ahead.
  virtual std::unique_ptr<ReadAhead> makeReadAhead(int workers, ReadAhead::When when) = 0;
};
