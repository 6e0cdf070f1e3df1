// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <random>
#include <string>

// Builds a folder tree for measurements, the same for the same settings:
// names of mixed lengths and extensions, some beyond ASCII, a few not UTF-8,
// some hidden; sizes from empty to a few MiB (sparse, so the disk stays free).
// Or one flat folder of many matching files.
class TreeGenerator {
public:
  struct Settings {
    std::uint64_t seed = 1;
    int folders = 20000;
    int filesPerFolder = 10;  // on average
    int depth = 8;
    int bigFolderFiles = 0;   // one extra folder holding this many files
    std::string matchAll;     // when set, every file name contains it
  };

  explicit TreeGenerator(Settings settings);
  // Returns the number of files made (hidden ones included). Throws
  // std::system_error when a folder or file cannot be made (a name drawn
  // twice excepted).
  long long build(const std::string& root);
  // One folder of empty files f000001_TEXT.txt ... that all match TEXT.
  static long long flatFolder(const std::string& root, int files, const std::string& text);
  // A chain of depth folders "d", one inside the other, with an empty file
  // TEXT.txt every 1,000 levels and at the bottom; made through handles, as
  // its paths grow far beyond what the system takes whole.
  static long long chain(const std::string& root, int depth, const std::string& text);

private:
  std::string fileName();
  std::string folderName();
  std::string stem(int minLength, int maxLength);
  std::int64_t fileSize();
  void makeFile(const std::string& path);

  Settings s_;
  std::mt19937_64 rng_;
  long long made_ = 0;
};
