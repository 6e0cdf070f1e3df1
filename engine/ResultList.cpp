// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ResultList.h"

#include <cstring>

namespace {
constexpr std::size_t kBlockBytes = std::size_t{256} * 1024;
}

void ResultList::clear(FileTime kind) {
  timeKind_ = kind;
  records_.clear();
  folders_.clear();
  nextFolderRecorded_ = false;
  blocks_.clear();
  blockUsed_ = blockSize_ = 0;
}

void ResultList::setFolder(std::string_view folder) {
  nextFolder_.assign(folder);
  nextFolderRecorded_ = false;
}

const char* ResultList::store(std::string_view name) {
  if (name.empty()) return "";
  if (blockUsed_ + name.size() > blockSize_) {
    const std::size_t size = name.size() > kBlockBytes ? name.size() : kBlockBytes;
    blocks_.push_back(std::make_unique<char[]>(size));
    blockSize_ = size;
    blockUsed_ = 0;
  }
  char* at = blocks_.back().get() + blockUsed_;
  std::memcpy(at, name.data(), name.size());
  blockUsed_ += name.size();
  return at;
}

void ResultList::append(std::string_view name, std::int64_t size, std::int64_t time) {
  if (!nextFolderRecorded_) {
    folders_.push_back(nextFolder_);
    nextFolderRecorded_ = true;
  }
  records_.push_back(Record{store(name), static_cast<std::uint32_t>(name.size()),
                            static_cast<std::uint32_t>(folders_.size() - 1), size, time});
}
