// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>

enum class FsOutcome;

// A file opened for a streamed read; closed when released or destroyed.
class FileReader {
public:
  FileReader() = default;
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;
  ~FileReader() { release(); }

  // Reads up to size bytes; got is 0 at the end of the file.
  FsOutcome read(char* into, std::size_t size, std::size_t& got);
  // From now on, reads pass over holes of a sparse file (which hold only
  // zero bytes) where the file system tells them apart.
  void skipHoles(bool skip = true) { skipHoles_ = skip; }
  // As lseek (SEEK_SET, SEEK_CUR, SEEK_END): the new offset, or -1.
  long long seek(long long offset, int whence);
  // Whether the last read passed over zero bytes before what it returned.
  bool passedHole() const { return passedHole_; }
  void release();

  // For the file-system implementation.
  void reset(int handle);
  bool isOpen() const { return handle_ >= 0; }

private:
  void passHole();

  int handle_ = -1;
  bool skipHoles_ = false;
  bool passedHole_ = false;
};
