// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <atomic>
#include <chrono>
#include <future>

#include "platform/documents/DocumentText.h"

// One document read on a thread of its own (DocumentText::read), so that
// the thread that waits for it can let its events in meanwhile. Where no
// thread can start, it is read at once on the caller's.
class DocumentJob {
public:
  // input and sink must outlive the job; the sink is called on the job's thread.
  DocumentJob(DocumentInput& input, const TextOut::Sink& sink, const DocumentLimits& limits = {});
  ~DocumentJob();  // cancels the read and waits for its thread
  DocumentJob(const DocumentJob&) = delete;
  DocumentJob& operator=(const DocumentJob&) = delete;

  // Asks the read to end at its next check.
  void cancel() { cancel_ = true; }
  // Waits at most slice; true once the read has ended.
  bool wait(std::chrono::milliseconds slice);
  DocumentOutcome outcome();

private:
  const DocumentLimits limits_;
  std::atomic<bool> cancel_{false};
  std::future<DocumentOutcome> done_;
};
