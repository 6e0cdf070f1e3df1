#include "bench/ContentCorpus.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

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

void ContentCorpus::write(const std::string& path, const std::string& content) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return;
  for (std::size_t done = 0; done < content.size();) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n <= 0) break;
    done += std::size_t(n);
  }
  ::close(fd);
}

int ContentCorpus::build(const std::string& root) {
  ::mkdir(root.c_str(), 0755);
  int made = 0;
  char name[64];
  for (int i = 0; i < 200; ++i) {  // text, 400 MiB
    std::string content = textChunk(kFileBytes, false);
    if (i % 8 == 0) content.replace(content.size() - 200, 12, "YellowHammer");
    std::snprintf(name, sizeof name, "/data-%03d.txt", i);
    write(root + name, content);
    ++made;
  }
  std::uniform_int_distribution<int> byte(0, 255);
  for (int i = 0; i < 40; ++i) {  // binary, 80 MiB
    std::string content(kFileBytes, '\0');
    for (char& c : content) c = char(byte(rng_));
    std::snprintf(name, sizeof name, "/data-%03d.bin", i);
    write(root + name, content);
    ++made;
  }
  for (int i = 0; i < 4; ++i) {  // one line of 4 MiB each
    std::snprintf(name, sizeof name, "/data-long-%d.txt", i);
    write(root + name, textChunk(4 << 20, true));
    ++made;
  }
  const std::string sparse = root + "/data-sparse.img";
  write(sparse, "");
  if (::truncate(sparse.c_str(), std::int64_t(1) << 30) == 0) ++made;
  return made;
}
