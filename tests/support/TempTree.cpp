// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempTree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QtTest>
#include <filesystem>

TempTree::TempTree() : root_(dir_.path().toStdString()) { QVERIFY(dir_.isValid()); }

namespace {
// Removes a folder's content through folder handles, so that trees deeper
// than the longest path the system accepts go too.
void removeContent(int folder) {
  DIR* listing = ::fdopendir(::dup(folder));
  if (!listing) return;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (::unlinkat(folder, name.c_str(), 0) == 0) continue;
    const int sub = ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (sub < 0) continue;
    removeContent(sub);
    ::close(sub);
    ::unlinkat(folder, name.c_str(), AT_REMOVEDIR);
  }
  ::closedir(listing);
}
}  // namespace

TempTree::~TempTree() {
  const int folder = ::open(root_.c_str(), O_RDONLY | O_DIRECTORY);
  if (folder < 0) return;
  removeContent(folder);
  ::close(folder);
}

std::string TempTree::path(std::string_view relative) const {
  return relative.empty() ? root_ : root_ + "/" + std::string(relative);
}

void TempTree::folder(std::string_view relative) {
  std::filesystem::create_directories(std::filesystem::path(path(relative)));
}

void TempTree::file(std::string_view relative, std::string_view content) {
  const int fd = ::open(path(relative).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  QVERIFY2(fd >= 0, path(relative).c_str());
  if (!content.empty()) QCOMPARE(::write(fd, content.data(), content.size()), ssize_t(content.size()));
  ::close(fd);
}

void TempTree::link(std::string_view relative, std::string_view target) {
  QCOMPARE(::symlink(std::string(target).c_str(), path(relative).c_str()), 0);
}

void TempTree::fifo(std::string_view relative) { QCOMPARE(::mkfifo(path(relative).c_str(), 0644), 0); }

void TempTree::remove(std::string_view relative) { std::filesystem::remove_all(std::filesystem::path(path(relative))); }

SampleTree::SampleTree() {
  for (const char* f : {"A/A1", "A/A2", "B/B1", "C"}) folder(f);
  for (const char* f : {"", "A", "B", "C", "A/A1", "A/A2", "B/B1"}) file(std::string(f) + (*f ? "/" : "") + "f.txt");
}
