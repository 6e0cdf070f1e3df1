// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/documents/DocumentJob.h"

#include <system_error>

DocumentJob::DocumentJob(DocumentInput& input, const TextOut::Sink& sink, const DocumentLimits& limits)
    : limits_(limits) {
  const auto read = [this, &input, &sink] { return DocumentText::read(input, sink, limits_, &cancel_); };
  try {
    done_ = std::async(std::launch::async, read);
  } catch (const std::system_error&) {  // no thread to be had
    std::promise<DocumentOutcome> now;
    now.set_value(read());
    done_ = now.get_future();
  }
}

DocumentJob::~DocumentJob() {
  cancel_ = true;
  if (done_.valid()) done_.wait();
}

bool DocumentJob::wait(std::chrono::milliseconds slice) { return done_.wait_for(slice) == std::future_status::ready; }

DocumentOutcome DocumentJob::outcome() { return done_.get(); }
