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
  void release();

  // For the file-system implementation.
  void reset(int handle);
  bool isOpen() const { return handle_ >= 0; }

private:
  int handle_ = -1;
};
