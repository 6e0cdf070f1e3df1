// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/FolderWalk.h"

#include <algorithm>
#include <functional>
#include <new>
#include <thread>

#include "engine/Listing.h"
#include "engine/ResultList.h"
#include "engine/WalkHost.h"
#include "platform/core/FileReader.h"
#include "platform/core/FileSystem.h"
#include "platform/core/PathName.h"
#include "platform/documents/DocumentText.h"

FolderWalk::FolderWalk(FileSystem& fs, ResultList& results, WalkHost& host)
    : fs_(fs), results_(results), host_(host), life_(std::make_shared<Life>()) {
  setReadAhead(readAheadWorkers());
}

int FolderWalk::readAheadWorkers() {
  // Workers spend much of their time waiting for the disk: two per core
  // kept further ahead than one when measured. Four at most.
  return int(std::clamp(2 * std::thread::hardware_concurrency(), 2u, 4u));
}

void FolderWalk::setReadAhead(int workers, ReadAhead::When when) { ahead_ = fs_.makeReadAhead(workers, when); }

void FolderWalk::emptyQueue() {
  folderQueue.clear();
  if (ahead_) ahead_->dropQueued();
}

// Subfolders go to the back of the queue: breadth-first. The read-ahead
// learns of them in the same order.
void FolderWalk::queue(std::string path) {
  if (ahead_) ahead_->queued(path);
  folderQueue.push_back(std::move(path));
}

FolderWalk::~FolderWalk() { life_->alive = false; }

bool FolderWalk::isCurrent(const std::shared_ptr<Life>& life, std::uint64_t generation) {
  return life->alive && life->generation == generation;
}

void FolderWalk::stop() { host_.requestStop(); }

bool FolderWalk::stopped() { return host_.stopRequested(); }

bool FolderWalk::yieldNow() {
  const std::shared_ptr<Life> life = life_;  // outlives this walk if a yield destroys it
  const std::uint64_t generation = walkGeneration_;
  LiveInputs live = host_.yieldToEvents();
  if (!isCurrent(life, generation)) return false;
  live_ = std::move(live);
  nameStale_ = true;
  return true;
}

// Inside a long directory read: the names still to come are tested with the
// name text as it stands after the yield.
bool FolderWalk::yieldInRead() {
  if (!yieldNow()) return false;
  refreshNameTest();
  return true;
}

void FolderWalk::start(const SearchQuery& query) {
  const std::shared_ptr<Life> life = life_;
  const std::uint64_t generation = walkGeneration_ = ++life_->generation;
  const std::string& startFolder = query.startFolder;
  currentFiles.setPattern(query.pattern);
  contentTest_ = query.contentTest;
  documents_ = query.documents;
  timeSize_ = query.timeSize;
  live_ = query.inputs;
  try {
    host_.clearStopRequest();
    results_.clear(query.timeSize.time);
    host_.resultsCleared();
    unreadable_.clear();
    withoutTime_ = 0;
    earlyEnd_ = EarlyEnd::None;
    nameStale_ = true;
    const FsOutcome opened = fs_.beginSearch(startFolder, root_);
    if (opened == FsOutcome::Ok) {
      if (ahead_) ahead_->begin(root_);
      if (!enterFolder(startFolder)) return;
    } else {
      currentFolder.reset(startFolder);
      currentFiles.clear();
      if (exhausted(opened))
        endEarly(opened == FsOutcome::OutOfMemory ? EarlyEnd::OutOfMemory : EarlyEnd::OutOfHandles);
      unreadable_.addFolder(startFolder, opened);
    }
    searchInto();
    if (!isCurrent(life, generation)) return;  // a content read let events in
    // Seeding: no stop check and no status text here.
    for (std::size_t i = 0; i < currentFolder.count(); ++i) {
      if (!yieldNow()) return;
      std::string path = currentFolder.folderPath(i);
      if (!yieldNow()) return;
      queue(std::move(path));
    }
    walkQueue();
  } catch (const std::bad_alloc&) {
    // Out of memory in this walk's own step: end with what was found.
    if (!isCurrent(life, generation)) return;
    endEarly(EarlyEnd::OutOfMemory);
    freeMemory();
  }
  if (!isCurrent(life, generation)) return;
  if (ahead_) ahead_->stop();
  root_.release();
  currentFiles.release();
  host_.ended();
}

void FolderWalk::endEarly(EarlyEnd why) {
  stop();
  if (earlyEnd_ == EarlyEnd::None) earlyEnd_ = why;
}

void FolderWalk::freeMemory() {
  folderQueue = std::deque<std::string>();
  currentFolder.freeMemory();
  currentFiles.freeMemory();
}

// False when the walk is gone or was replaced during the read.
bool FolderWalk::enterFolder(const std::string& path) {
  const std::shared_ptr<Life> life = life_;
  const std::uint64_t generation = walkGeneration_;
  currentFolder.reset(path);
  currentFiles.clear();
  const std::function<bool()> yield = [this] { return yieldInRead(); };
  ListingSink sink(currentFolder, currentFiles, unreadable_, yield);
  // Without a content test, names that fail the name text are dropped as
  // they are read; the listing tests the others again.
  if (!contentTest_) {
    if (nameStale_) refreshNameTest();
    sink.keepOnly(&nameTest_, &live_.matchCase);
  }
  const FsOutcome outcome = fs_.enter(root_, path, currentFiles.folder(), sink);
  if (!isCurrent(life, generation)) return false;  // the read was abandoned
  if (outcome == FsOutcome::Ok)
    return currentFolder.sort(yield) && currentFiles.sort(yield);  // events come in as it sorts too
  // A folder that cannot be read to its end contributes nothing.
  currentFolder.reset(path);
  currentFiles.clear();
  if (outcome == FsOutcome::NotListed) return true;
  if (outcome == FsOutcome::OutOfMemory) endEarly(EarlyEnd::OutOfMemory);
  else if (outcome == FsOutcome::OutOfHandles) endEarly(EarlyEnd::OutOfHandles);
  unreadable_.addFolder(path, outcome);  // otherwise skipped: the walk goes on
  return true;
}

void FolderWalk::searchInto() { listFiles(); }

void FolderWalk::walkQueue() {
  const std::shared_ptr<Life> life = life_;
  const std::uint64_t generation = walkGeneration_;
  for (;;) {
    if (stopped()) return;
    if (!yieldNow()) return;
    if (folderQueue.empty()) {  // the normal end, or a press emptied the queue
      stop();
      return;
    }
    const std::string path = folderQueue.front();
    host_.statusChanged(path);
    if (!yieldNow()) return;
    if (ahead_) ahead_->entering();
    if (!enterFolder(path)) return;
    if (ahead_ && ahead_->entered()) ahead_->backlog(folderQueue);
    if (!listFiles()) return;
    if (!yieldNow()) return;
    // A press during this pass may have emptied the queue: nothing to remove.
    if (folderQueue.empty()) stop();
    else folderQueue.pop_front();
    queueSubfolders();
    if (!isCurrent(life, generation)) return;
  }
}

void FolderWalk::queueSubfolders() {
  for (std::size_t i = 0; i < currentFolder.count(); ++i) {
    if (stopped()) return;
    if (!yieldNow()) return;
    std::string path = currentFolder.folderPath(i);
    host_.statusChanged(path);
    if (!yieldNow()) return;
    queue(std::move(path));
  }
}

void FolderWalk::refreshNameTest() {
  nameStale_ = false;
  if (live_.nameText != nameTest_.text())
    nameTest_.prepare(live_.nameText);  // a long text costs nothing while unchanged
}

void FolderWalk::skipFile(FsOutcome outcome, std::size_t i) {
  switch (outcome) {
    case FsOutcome::NotListed: return;  // not a file after all (a dangling link, a device)
    case FsOutcome::OutOfMemory: endEarly(EarlyEnd::OutOfMemory); break;
    case FsOutcome::OutOfHandles: endEarly(EarlyEnd::OutOfHandles); break;
    default: break;
  }
  unreadable_.addFile(PathName::join(currentFolder.path(), currentFiles.name(i)), outcome);
}

bool FolderWalk::listFiles() {
  results_.setFolder(currentFolder.path());
  constexpr std::size_t every = ListingSink::kEntriesPerYield;
  for (std::size_t i = 0; i < currentFiles.count(); ++i) {
    if (i % every == every - 1 && !yieldNow()) return false;
    if (nameStale_) refreshNameTest();
    const std::string_view name = currentFiles.name(i);
    if (!nameTest_.matches(name, live_.matchCase)) continue;
    if (contentTest_ && stopped()) break;  // at the next candidate; a name search stops between folders
    FileFacts facts;
    const FsOutcome outcome = fs_.fileDetails(root_, currentFiles.folder(), currentFiles.cName(i),
                                              currentFiles.isLink(i), timeSize_.time, facts);
    if (outcome != FsOutcome::Ok) {
      skipFile(outcome, i);
      continue;
    }
    if (const TimeSizeTest::Verdict verdict = timeSize_.judge(facts); verdict != TimeSizeTest::Verdict::Pass) {
      if (verdict == TimeSizeTest::Verdict::NoTime) ++withoutTime_;
      continue;
    }
    if (contentTest_) {
      const Content content = examineContent(i, facts.size);
      if (content == Content::Gone) return false;
      if (content == Content::NoMatch) continue;
    }
    results_.append(name, facts.size, facts.hasTime ? facts.time : ResultList::kNoTime);
  }
  currentFiles.release();
  return true;
}

// Reads a candidate in chunks, letting events in after each (so a huge file
// never freezes the window), until the text is found or the file ends. The
// text is the one the field held when the candidate was opened.
FolderWalk::Content FolderWalk::examineContent(std::size_t i, std::int64_t size) {
  const QString text = live_.containingText;
  if (!matcherReady_ || text != matcherText_) {  // a long text costs nothing while unchanged
    matcherReady_ = true;
    matcherText_ = text;
    const QByteArray utf8 = text.toUtf8();
    matcher_.prepare(std::string_view(utf8.constData(), std::size_t(utf8.size())));
  }
  if (size == 0) return Content::NoMatch;  // nothing to find, and no failure
  FileReader reader;
  FsOutcome outcome = fs_.openFile(root_, currentFiles.folder(), currentFiles.cName(i), reader);
  if (outcome != FsOutcome::Ok) {
    skipFile(outcome, i);
    return Content::NoMatch;
  }
  if (!readBuffer_) readBuffer_ = std::make_unique<char[]>(kReadBytes);
  if (!matcher_.needsZeros()) reader.skipHoles();
  matcher_.reset();
  for (bool first = true;; first = false) {
    std::size_t got = 0;
    outcome = reader.read(readBuffer_.get(), kReadBytes, got);
    if (outcome != FsOutcome::Ok) {
      skipFile(outcome, i);
      return Content::NoMatch;
    }
    if (first && documents_ && DocumentText::isDocument(std::string_view(readBuffer_.get(), got)))
      return examineDocument(i, reader, size);
    if (reader.passedHole()) matcher_.gap();
    const bool found = got > 0 && matcher_.feed(readBuffer_.get(), got);
    if (got > 0 && !yieldNow()) return Content::Gone;  // the reader closes itself on the way out
    if (found) return Content::Match;
    if (got == 0) return matcher_.finish() ? Content::Match : Content::NoMatch;
  }
}
