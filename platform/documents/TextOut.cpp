// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/documents/TextOut.h"

#include <algorithm>

namespace {
// Handed to the sink in chunks of about this much: the matcher scans best
// in long runs.
constexpr std::size_t kChunk = 64 << 10;
}  // namespace

TextOut::TextOut(const Sink& sink, const DocumentLimits& limits, std::int64_t fileSize, const std::atomic<bool>* cancel)
    : sink_(sink),
      limits_(limits),
      fileSize_(fileSize),
      cancel_(cancel),
      deadline_(std::chrono::steady_clock::now() + limits.maxTime),
      maxExpanded_(std::min(
          limits.maxText,
          std::max(limits.minExpanded, limits.expansionRatio * std::uint64_t(std::max<std::int64_t>(fileSize, 0))))) {
  pending_.reserve(kChunk);
}

void TextOut::fail(DocumentOutcome why) {
  if (outcome_ == DocumentOutcome::Read && !enough_) outcome_ = why;
}

bool TextOut::goOn() {
  if (enough_ || failed()) return false;
  if (cancel_ && cancel_->load(std::memory_order_relaxed)) fail(DocumentOutcome::Unreadable);
  else if (std::chrono::steady_clock::now() > deadline_) fail(DocumentOutcome::TooSlow);
  return !failed();
}

bool TextOut::add(std::string_view text) {
  if (enough_ || failed()) return false;
  text_ += text.size();
  if (text_ > limits_.maxText) {
    fail(DocumentOutcome::TooLarge);
    return false;
  }
  pending_.append(text);
  return pending_.size() < kChunk || flush();
}

bool TextOut::lineBreak() {
  if (pending_.empty() ? text_ == 0 : pending_.back() == '\n') return !enough_ && !failed();
  return add("\n");
}

bool TextOut::expanded(std::uint64_t bytes) {
  expanded_ += bytes;
  if (expanded_ > maxExpanded_) fail(DocumentOutcome::TooLarge);
  return goOn();
}

bool TextOut::flush() {
  if (!enough_ && !failed() && !pending_.empty()) enough_ = sink_(pending_);
  pending_.clear();
  return !enough_ && goOn();
}
