// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// English-like prose for measurements: a fixed list of common English words,
// drawn with Zipf-like weights, in sentences of wrapped lines. The same for
// the same random source, on any machine.
class ProseText {
public:
  ProseText();
  std::string make(std::mt19937_64& rng, std::size_t bytes) const;

private:
  std::string_view word(std::mt19937_64& rng) const;

  std::vector<std::string_view> words_;
  std::vector<std::uint64_t> cumulative_;  // the weights added up, in the list's order
};
