// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

// The document corpus, the same for the same seed: files of every format
// the document search reads (DocumentWriter), a few pages of prose each, in
// folders of 100. Every file holds "yellowhammer" in one place a reader
// sees it (a split run, a header, a cell, a note or the last page) or one
// decoy of it (split across two cells, in an attribute, in an XML comment),
// or neither. The paths that hold it go to expected.lst beside the folders.
class DocumentCorpus {
public:
  static constexpr const char* kWord = "yellowhammer";
  explicit DocumentCorpus(std::uint64_t seed) : seed_(seed) {}
  int build(const std::string& root, int files = 2400);

private:
  std::uint64_t seed_;
};
