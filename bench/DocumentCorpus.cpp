// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/DocumentCorpus.h"

#include <sys/stat.h>

#include <fstream>
#include <random>
#include <stdexcept>
#include <vector>

#include "bench/DocumentWriter.h"

namespace {
const char* const kWords[] = {"the",    "search", "folder", "window", "report", "harbour", "yellow",
                              "hammer", "bird",   "meadow", "song",   "field",  "note",    "table",
                              "page",   "of",     "and",    "a",      "in",     "to"};

void makeFolder(const std::string& path) {
  if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) throw std::runtime_error("cannot make " + path);
}
}  // namespace

int DocumentCorpus::build(const std::string& root, int files) {
  std::mt19937_64 rng(seed_);
  std::uniform_int_distribution<int> word(0, int(std::size(kWords)) - 1);
  const auto sentence = [&](int words) {
    std::string s;
    for (int i = 0; i < words; ++i) s += std::string(i ? " " : "") + kWords[word(rng)];
    return s;
  };
  // A place a reader sees, a decoy, or nothing: in turn, so every format gets each.
  const char* const places[] = {"run", "header", "cell", "note", "cells", "attribute", "comment", "none"};
  makeFolder(root);
  std::ofstream expected(root + "/expected.lst");
  for (int i = 0; i < files; ++i) {
    const DocumentWriter::Format format = DocumentWriter::kFormats[i % std::size(DocumentWriter::kFormats)];
    const std::string place = places[(i / std::size(DocumentWriter::kFormats)) % std::size(places)];
    DocumentWriter d;
    d.header = sentence(4);
    d.note = sentence(8);
    d.cells = {sentence(2), sentence(2), sentence(2)};
    d.inAttribute = "a1";
    d.inComment = "c1";
    for (int p = 0; p < 40; ++p) d.paragraphs.push_back({sentence(6), " ", sentence(6)});
    if (place == "run") d.paragraphs[20] = {"the yel", "low", "hammer sang"};
    if (place == "header") d.header += std::string(" ") + kWord;
    if (place == "cell") d.cells[1] += std::string(" ") + kWord;
    if (place == "note") d.note += std::string(" ") + kWord;
    if (place == "cells") d.cells = {"a yellow", "hammer b"};
    if (place == "attribute") d.inAttribute = kWord;
    if (place == "comment") d.inComment = kWord;
    const std::string folder = root + "/d" + std::to_string(i / 100);
    makeFolder(folder);
    const std::string path = folder + "/" + place + "-" + std::to_string(i) + DocumentWriter::suffix(format);
    std::ofstream(path, std::ios::binary) << d.write(format);
    if (place == "run" || place == "header" || place == "cell" || place == "note") expected << path << '\n';
  }
  return files;
}
