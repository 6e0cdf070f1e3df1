// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/documents/DocumentOutcome.h"

// What one document may cost. Documents are untrusted: a few hundred bytes
// can claim gigabytes when expanded, or keep a parser busy.
struct DocumentLimits {
  std::uint64_t maxText = std::uint64_t(256) << 20;      // bytes of text handed on
  std::uint64_t maxInMemory = std::uint64_t(256) << 20;  // a file read whole (a PDF)
  // Bytes expanded from compressed parts: this many per byte of the file,
  // at least minExpanded, at most maxText. Text compresses some ten times;
  // a zip bomb a thousand.
  std::uint64_t expansionRatio = 200;
  std::uint64_t minExpanded = std::uint64_t(1) << 20;
  std::chrono::milliseconds maxTime{5000};
};

// Where a document's text goes: gathered into chunks for the sink, within
// the limits. Every step answers whether to go on: not once the sink has
// what it wants, a limit is reached, or the reader was cancelled.
class TextOut {
public:
  using Sink = std::function<bool(std::string_view text)>;  // true: enough
  TextOut(const Sink& sink, const DocumentLimits& limits, std::int64_t fileSize, const std::atomic<bool>* cancel);

  bool add(std::string_view text);
  // A paragraph, cell or slide ends: a line break, never two in a row.
  bool lineBreak();
  // Bytes were expanded from a compressed part.
  bool expanded(std::uint64_t bytes);
  bool goOn();  // checks the clock and the cancel flag too
  // Hands on what is gathered; false when the sink has enough.
  bool flush();
  void fail(DocumentOutcome why);
  // After NotDocument: its bytes go on as text.
  void asBytes() {
    if (outcome_ == DocumentOutcome::NotDocument) outcome_ = DocumentOutcome::Read;
  }
  bool failed() const { return outcome_ != DocumentOutcome::Read; }
  bool enough() const { return enough_; }
  DocumentOutcome outcome() const { return outcome_; }
  std::uint64_t textBytes() const { return text_; }
  const DocumentLimits& limits() const { return limits_; }
  std::int64_t fileSize() const { return fileSize_; }

private:
  const Sink& sink_;
  const DocumentLimits& limits_;
  const std::int64_t fileSize_;
  const std::atomic<bool>* cancel_;
  const std::chrono::steady_clock::time_point deadline_;
  std::uint64_t maxExpanded_;
  std::uint64_t expanded_ = 0;
  std::uint64_t text_ = 0;
  std::string pending_;
  bool enough_ = false;
  DocumentOutcome outcome_ = DocumentOutcome::Read;
};
