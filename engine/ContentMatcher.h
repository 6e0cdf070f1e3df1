// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ContentMatcherPair.h"

// Finds a text in a stream of bytes without regard to case (CaseFold):
// letters compare by simple case folding, bytes that are not UTF-8 compare
// exactly, one byte one character, so any content can be searched. The
// stream comes in chunks of any size; a match across a chunk edge is found.
//
// The scan looks for two characters of the text, chosen to be rare in the
// stream's first bytes (and then in files at large), each as any of the
// first bytes its case variants can start with (BytePair); only where both
// agree is anything compared. A text of ASCII letters that no
// other character folds to is compared byte by byte, without decoding.
class ContentMatcher {
public:
  enum class Compare { Fastest, Decoding };
  // The text as UTF-8 bytes. An empty text is found in any content that has
  // at least one byte. Decoding: every place is decoded, even for ASCII.
  void prepare(std::string_view text, Compare compare = Compare::Fastest);
  const std::string& text() const { return text_; }
  // A new stream.
  void reset();
  // Takes the next chunk; true once the text has been found (and from then on).
  bool feed(const char* data, std::size_t size);
  // The stream has ended: looks at what was kept back for the next chunk.
  bool finish();
  // The stream had bytes that were not shown to feed, all zero (a hole of a
  // sparse file): nothing is carried across them.
  void gap();
  // Whether the text has a zero byte: only then can a run of zeros matter.
  bool needsZeros() const { return needsZeros_; }

private:
  bool scan(const char* data, std::size_t size, std::size_t end);
  bool matchesAt(const char* data, std::size_t size, std::size_t start) const;
  void findAnchors();
  void choosePair(const char* sample, std::size_t size);
  struct Place;
  // A character the scan can look for: where it stands in any match, the
  // bytes it can start with, and how common they are in files at large.
  struct Anchor {
    std::size_t offset;
    std::string bytes;
    long commonness;
  };

  std::string text_;
  std::vector<std::uint32_t> keys_;  // the text, one comparison key per character
  std::vector<Anchor> anchors_;
  BytePair pair_;
  bool chosenForStream_ = false;  // the pair was chosen again from this stream's first bytes
  std::string asciiFolded_;       // the text in small letters, when it is compared byte by byte
  std::size_t longest_ = 0;       // the most bytes a match can span
  bool needsZeros_ = false;
  bool found_ = false;
  std::string carry_;  // the end of the last chunk, where a match may start
};
