#pragma once
#include <cstdint>
#include <random>
#include <string>

// Builds the content corpus, the same for the same seed: text files in
// several scripts, binary files, files of a few very long lines and one
// sparse file of 1 GiB, all named "data-...". The text "zanzibar harbour"
// is in none of them; "yellowhammer" sits near the end of every eighth text
// file.
class ContentCorpus {
public:
  static constexpr const char* kAbsent = "zanzibar harbour";
  static constexpr const char* kNearEnd = "yellowhammer";

  explicit ContentCorpus(std::uint64_t seed) : rng_(seed) {}
  // Returns the number of files made.
  int build(const std::string& root);

private:
  std::string textChunk(std::size_t bytes, bool longLines);
  void write(const std::string& path, const std::string& content);

  std::mt19937_64 rng_;
};
