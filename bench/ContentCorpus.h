// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <random>
#include <string>

// Builds the content corpora, the same for the same seed, each in its own
// folder of files named "data-...":
//   mixed/   text in several scripts, binary files, files of a few very long lines
//   sparse/  one sparse file of 1 GiB, all hole
//   dense/   random base64 lines, 80 files of 4.65 MB, no holes
//   prose/   English words at Zipf-like frequencies, 40 files of 8.6 MB, no holes
// "zanzibar" is in none of them; "yellowhammer" sits near the end of every
// eighth text file.
class ContentCorpus {
public:
  static constexpr const char* kAbsent = "zanzibar harbour";
  static constexpr const char* kNearEnd = "yellowhammer";

  explicit ContentCorpus(std::uint64_t seed) : rng_(seed) {}
  // Returns the number of files made; throws std::runtime_error where one cannot be.
  int build(const std::string& root);

private:
  int mixed(const std::string& folder);
  int dense(const std::string& folder);
  int prose(const std::string& folder);
  std::string textChunk(std::size_t bytes, bool longLines);
  std::string base64Lines(std::size_t bytes);
  void write(const std::string& path, std::string content, bool nearEnd);

  std::mt19937_64 rng_;
};
