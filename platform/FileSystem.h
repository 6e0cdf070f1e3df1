#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/FileListing.h"
#include "platform/FolderListing.h"

// What a read of the file system came to. Running out of memory or file
// handles is told apart: it ends a search, where an unreadable folder or
// file is only skipped.
enum class FsOutcome { Ok, NotListed, Unreadable, OutOfResources };

// The file-system services the engine and the windows rely on. Nothing here
// writes to the file system.
class FileSystem {
public:
  virtual ~FileSystem() = default;

  // "/" first, then the mount points of the other real file systems.
  virtual std::vector<std::string> drives() = 0;
  // True only for an existing folder; the empty text gives false.
  virtual bool folderExists(const std::string& path) = 0;
  // The full path of a name in a folder.
  virtual std::string absolutePathName(const std::string& folder, const std::string& name) = 0;
  // The length in bytes of the file at path (of a link's target).
  virtual FsOutcome fileSize(const std::string& path, std::int64_t& size) = 0;

  // Takes what a search needs once (the mount table), not once per folder.
  virtual void beginSearch() = 0;
  // Enters a folder with one directory read: its subfolders into dirx, its
  // files that flx's pattern admits into flx. On failure both are empty.
  virtual FsOutcome enter(const std::string& path, FolderListing& dirx, FileListing& flx) = 0;
  // The size of file i of flx; NotListed when it turns out not to be a
  // regular file (a dangling link, a link to a folder or a device).
  virtual FsOutcome fileDetails(const FileListing& flx, std::size_t i, std::int64_t& size) = 0;
};
