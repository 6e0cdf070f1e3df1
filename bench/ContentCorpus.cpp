// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/ContentCorpus.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "bench/ProseText.h"

namespace {
constexpr std::size_t kFileBytes = 2 << 20;

const std::vector<std::string>& words() {
  static const std::vector<std::string> list{
      "the", "search", "folder", "window", "result", "harbor", "zanzi", "yellow", "hammer", "files", "Found",
      "\xc3\xa9t\xc3\xa9", "caf\xc3\xa9", "\xc3\x9c" "ber", "gr\xc3\xb6\xc3\x9f" "e",               // accented Latin
      "\xce\xb1\xce\xbd\xce\xb8\xcf\x81\xcf\x89\xcf\x80\xce\xbf\xcf\x82", "\xce\xa3\xce\x9f\xce\xa6\xce\x99\xce\x91",  // Greek
      "\xd0\xbf\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82", "\xd0\x9c\xd0\x98\xd0\xa0",               // Cyrillic
      "\xe6\x96\x87\xe4\xbb\xb6", "\xe6\xa4\x9c\xe7\xb4\xa2",                                       // CJK
      "Lorem", "ipsum", "dolor", "sit", "amet", "0x7f3a", "2026-12-06", "{", "}", "=>", "return", "int",
  };
  return list;
}
}  // namespace

std::string ContentCorpus::textChunk(std::size_t bytes, bool longLines) {
  std::string out;
  out.reserve(bytes + 64);
  std::uniform_int_distribution<std::size_t> pick(0, words().size() - 1);
  std::size_t lineLength = 0;
  while (out.size() < bytes) {
    out += words()[pick(rng_)];
    ++lineLength;
    if (!longLines && lineLength >= 12) {
      out += '\n';
      lineLength = 0;
    } else {
      out += ' ';
    }
  }
  out.resize(bytes);
  return out;
}

std::string ContentCorpus::base64Lines(std::size_t bytes) {
  static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve(bytes + 80);
  while (out.size() < bytes) {
    for (int i = 0; i < 76; i += 10) {  // ten digits from each draw
      std::uint64_t bits = rng_();
      for (int k = 0; k < 10 && i + k < 76; ++k, bits >>= 6) out += digits[bits & 63];
    }
    out += '\n';
  }
  out.resize(bytes);
  return out;
}

// The text near the end, in mixed case, where asked. A file that cannot be
// written whole ends the build: a corpus with files missing measures nothing.
void ContentCorpus::write(const std::string& path, std::string content, bool nearEnd) {
  if (nearEnd) content.replace(content.size() - 200, 12, "YellowHammer");
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) throw std::runtime_error("cannot create " + path + ": " + std::strerror(errno));
  for (std::size_t done = 0; done < content.size();) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int error = n < 0 ? errno : ENOSPC;
      ::close(fd);
      throw std::runtime_error("cannot write " + path + ": " + std::strerror(error));
    }
    done += std::size_t(n);
  }
  if (::close(fd) != 0) throw std::runtime_error("cannot write " + path + ": " + std::strerror(errno));
}

int ContentCorpus::mixed(const std::string& folder) {
  int made = 0;
  char name[64];
  for (int i = 0; i < 200; ++i) {  // text, 400 MiB
    std::snprintf(name, sizeof name, "/data-%03d.txt", i);
    write(folder + name, textChunk(kFileBytes, false), i % 8 == 0);
    ++made;
  }
  std::uniform_int_distribution<int> byte(0, 255);
  for (int i = 0; i < 40; ++i) {  // binary, 80 MiB
    std::string content(kFileBytes, '\0');
    for (char& c : content) c = char(byte(rng_));
    std::snprintf(name, sizeof name, "/data-%03d.bin", i);
    write(folder + name, content, false);
    ++made;
  }
  for (int i = 0; i < 4; ++i) {  // one line of 4 MiB each
    std::snprintf(name, sizeof name, "/data-long-%d.txt", i);
    write(folder + name, textChunk(4 << 20, true), false);
    ++made;
  }
  return made;
}

int ContentCorpus::dense(const std::string& folder) {
  char name[64];
  for (int i = 0; i < 80; ++i) {
    std::snprintf(name, sizeof name, "/data-%03d.txt", i);
    write(folder + name, base64Lines(4650000), i % 8 == 0);
  }
  return 80;
}

int ContentCorpus::prose(const std::string& folder) {
  const ProseText text;
  char name[64];
  for (int i = 0; i < 40; ++i) {
    std::snprintf(name, sizeof name, "/data-%03d.txt", i);
    write(folder + name, text.make(rng_, 8600000), i % 8 == 0);
  }
  return 40;
}

int ContentCorpus::build(const std::string& root) {
  for (const std::string& folder : {root, root + "/mixed", root + "/sparse", root + "/dense", root + "/prose"})
    if (::mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST)
      throw std::runtime_error("cannot make " + folder + ": " + std::strerror(errno));
  const int made = mixed(root + "/mixed") + dense(root + "/dense") + prose(root + "/prose");
  const std::string sparse = root + "/sparse/data-sparse.img";
  write(sparse, "", false);
  if (::truncate(sparse.c_str(), std::int64_t(1) << 30) != 0)
    throw std::runtime_error("cannot grow " + sparse + ": " + std::strerror(errno));
  return made + 1;
}
