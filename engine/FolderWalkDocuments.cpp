// SPDX-License-Identifier: GPL-3.0-or-later
// The content test of a candidate that is a document: its text is read on a
// thread of its own (DocumentJob) while the walk waits in its yields, so
// that no document holds the window's events back for long.
#include <chrono>

#include "engine/FolderWalk.h"
#include "platform/core/FileReader.h"
#include "platform/core/FsOutcome.h"
#include "platform/documents/DocumentJob.h"

namespace {
// The walk's open file as the document reader reads it.
class FileInput final : public DocumentInput {
public:
  FileInput(FileReader& reader, std::int64_t size) : reader_(reader), size_(size) {}
  long read(char* into, std::size_t size) override {
    std::size_t got = 0;
    return reader_.read(into, size, got) == FsOutcome::Ok ? long(got) : -1;
  }
  std::int64_t seek(std::int64_t offset, int whence) override { return reader_.seek(offset, whence); }
  std::int64_t size() const override { return size_; }

private:
  FileReader& reader_;
  std::int64_t size_;
};

FsOutcome skipped(DocumentOutcome why) {
  switch (why) {
    case DocumentOutcome::Encrypted: return FsOutcome::Encrypted;
    case DocumentOutcome::Damaged: return FsOutcome::Damaged;
    case DocumentOutcome::TooLarge: return FsOutcome::TooLarge;
    case DocumentOutcome::NoText: return FsOutcome::NoText;
    case DocumentOutcome::TooSlow: return FsOutcome::TooSlow;
    default: return FsOutcome::Unreadable;
  }
}

// How long the walk waits for the reader between yields: well under a
// display frame, so input waits at most about one frame.
constexpr std::chrono::milliseconds kWait{10};
}  // namespace

FolderWalk::Content FolderWalk::examineDocument(std::size_t i, FileReader& reader, std::int64_t size) {
  // The reader's own copy: a yield may destroy the walk and its matcher.
  ContentMatcher matcher = matcher_;
  matcher.reset();
  reader.skipHoles(false);
  FileInput input(reader, size);
  const TextOut::Sink sink = [&matcher](std::string_view text) { return matcher.feed(text.data(), text.size()); };
  DocumentJob job(input, sink);
  while (!job.wait(kWait)) {
    if (!yieldNow()) return Content::Gone;  // the job is cancelled and waited for on the way out
    if (stopped()) job.cancel();            // ends at the reader's next check; the window stays live meanwhile
  }
  if (stopped()) return Content::NoMatch;
  const DocumentOutcome outcome = job.outcome();
  if (outcome == DocumentOutcome::Read) return matcher.finish() ? Content::Match : Content::NoMatch;
  skipFile(skipped(outcome), i);
  return Content::NoMatch;
}
