// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/TreeGenerator.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>
#include <vector>

namespace {
const char* const kExtensions[] = {"txt", "conf", "c",   "h",    "cpp", "png", "jpg", "mp3", "pdf", "doc",
                                   "so",  "py",   "xml", "html", "json", "gz", "ini", "log", "md",  ""};
const char* const kWords[] = {"data", "config", "report", "image", "main",   "test", "util", "notes",
                              "core", "index",  "photo",  "track", "module", "lib",  "draft", "setup"};
const char* const kBeyondAscii[] = {"\xc3\xa9t\xc3\xa9", "gr\xc3\xbc\xc3\x9f" "e", "\xe6\x97\xa5\xe6\x9c\xac",
                                    "\xf0\x9f\x93\x81", "\xd0\xbf\xd1\x80\xd0\xb8"};
const char* const kNotUtf8[] = {"caf\xe9", "\xff\xfe", "na\xefve"};
}  // namespace

TreeGenerator::TreeGenerator(Settings settings) : s_(std::move(settings)), rng_(s_.seed) {}

std::string TreeGenerator::stem(int minLength, int maxLength) {
  std::string out;
  const int target = minLength + int(rng_() % unsigned(maxLength - minLength + 1));
  while (int(out.size()) < target) {
    if (!out.empty()) out.push_back("-_."[rng_() % 3]);
    const unsigned pick = rng_() % 100;
    if (pick < 4) out += kBeyondAscii[rng_() % std::size(kBeyondAscii)];
    else if (pick < 5) out += kNotUtf8[rng_() % std::size(kNotUtf8)];
    else out += kWords[rng_() % std::size(kWords)];
    if (rng_() % 4 == 0) out += std::to_string(rng_() % 1000);
  }
  for (char& c : out)
    if (c >= 'a' && c <= 'z' && rng_() % 7 == 0) c = char(c - 32);
  return out;
}

std::string TreeGenerator::fileName() {
  std::string name = rng_() % 50 == 0 ? "." : "";  // a few hidden files
  name += stem(3, 40);
  if (!s_.matchAll.empty()) name.insert(name.size() / 2, s_.matchAll);
  const char* ext = kExtensions[rng_() % std::size(kExtensions)];
  if (*ext) name.append(".").append(ext);
  return name;
}

std::string TreeGenerator::folderName() {
  std::string name = rng_() % 100 == 0 ? "." : "";  // a few hidden folders
  name += stem(2, 20);
  return name;
}

std::int64_t TreeGenerator::fileSize() {
  const unsigned pick = rng_() % 100;
  if (pick < 10) return 0;
  if (pick < 80) return std::int64_t(rng_() % 64) * 1024 + std::int64_t(rng_() % 1024);
  if (pick < 98) return std::int64_t(rng_() % 1024) * 1024;
  return std::int64_t(rng_() % 5) * 1024 * 1024 + std::int64_t(rng_() % (1024 * 1024));
}

namespace {
// A name drawn twice is there already; any other failure ends the build.
bool made(int result, const std::string& path) {
  if (result >= 0) return true;
  if (errno == EEXIST) return false;
  throw std::system_error(errno, std::generic_category(), "cannot make " + path);
}
}  // namespace

void TreeGenerator::makeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (!made(fd, path)) return;
  if (::ftruncate(fd, fileSize()) != 0) std::perror("ftruncate");
  ::close(fd);
  ++made_;
}

long long TreeGenerator::build(const std::string& root) {
  made(::mkdir(root.c_str(), 0755), root);
  struct Folder {
    std::string path;
    int depth;
  };
  std::vector<Folder> folders{{root, 0}};
  std::vector<std::size_t> open{0};  // folders that may still take children
  while (int(folders.size()) < s_.folders) {
    const std::size_t parent = open[rng_() % open.size()];
    Folder child{folders[parent].path + "/" + folderName(), folders[parent].depth + 1};
    if (!made(::mkdir(child.path.c_str(), 0755), child.path)) continue;
    if (child.depth < s_.depth) open.push_back(folders.size());
    folders.push_back(std::move(child));
  }
  for (const Folder& f : folders) {
    const int count = int(rng_() % unsigned(2 * s_.filesPerFolder + 1));
    for (int i = 0; i < count; ++i) makeFile(f.path + "/" + fileName());
  }
  if (s_.bigFolderFiles > 0) {
    const std::string big = root + "/big-folder";
    made(::mkdir(big.c_str(), 0755), big);
    for (int i = 0; i < s_.bigFolderFiles; ++i) makeFile(big + "/" + fileName());
  }
  return made_;
}

long long TreeGenerator::flatFolder(const std::string& root, int files, const std::string& text) {
  made(::mkdir(root.c_str(), 0755), root);
  long long count = 0;
  char name[32];
  for (int i = 1; i <= files; ++i) {
    std::snprintf(name, sizeof name, "/f%06d_", i);
    const std::string path = root + name + text + ".txt";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (!made(fd, path)) continue;
    ::close(fd);
    ++count;
  }
  return count;
}

long long TreeGenerator::chain(const std::string& root, int depth, const std::string& text) {
  made(::mkdir(root.c_str(), 0755), root);
  int folder = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) throw std::system_error(errno, std::generic_category(), "cannot open " + root);
  const std::string file = text + ".txt";
  long long count = 0;
  for (int level = 1; level <= depth; ++level) {
    if (::mkdirat(folder, "d", 0755) != 0 && errno != EEXIST)
      throw std::system_error(errno, std::generic_category(), "cannot make level " + std::to_string(level));
    const int next = ::openat(folder, "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::close(folder);
    folder = next;
    if (folder < 0) throw std::system_error(errno, std::generic_category(), "cannot open level " + std::to_string(level));
    if (level % 1000 != 0 && level != depth) continue;
    const int fd = ::openat(folder, file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) ++count, ::close(fd);
  }
  ::close(folder);
  return count;
}
