// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

// A document's bytes, read from the start: an open file, or bytes in memory
// (a compressed file's content).
class DocumentInput {
public:
  virtual ~DocumentInput() = default;
  // Up to size bytes; 0 at the end, -1 when the read failed.
  virtual long read(char* into, std::size_t size) = 0;
  // As lseek: whence is SEEK_SET, SEEK_CUR or SEEK_END. The new offset, or -1.
  virtual std::int64_t seek(std::int64_t offset, int whence) = 0;
  virtual std::int64_t size() const = 0;
};

class MemoryInput final : public DocumentInput {
public:
  explicit MemoryInput(const std::string& bytes) : bytes_(bytes) {}
  long read(char* into, std::size_t size) override {
    const std::size_t n = std::min(size, bytes_.size() - at_);
    std::memcpy(into, bytes_.data() + at_, n);
    at_ += n;
    return long(n);
  }
  std::int64_t seek(std::int64_t offset, int whence) override {
    const std::int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? std::int64_t(at_) : size();
    if (base + offset < 0 || base + offset > size()) return -1;
    return std::int64_t(at_ = std::size_t(base + offset));
  }
  std::int64_t size() const override { return std::int64_t(bytes_.size()); }

private:
  const std::string& bytes_;
  std::size_t at_ = 0;
};
