#include "engine/FolderWalk.h"

#include "engine/ResultsModel.h"
#include "platform/FileSystem.h"
#include "platform/IconSource.h"
#include "platform/PathName.h"

FolderWalk::FolderWalk(FileSystem& fs, ResultsModel& lv, IconSource& icons, WalkFlags flags)
    : fs_(fs), lv_(lv), icons_(icons), flags_(flags), life_(std::make_shared<Life>()) {}

FolderWalk::~FolderWalk() { life_->alive = false; }

bool FolderWalk::yieldNow() {
  ++yields_;
  const std::shared_ptr<Life> life = life_;  // outlives this walk if a yield destroys it
  const std::uint64_t generation = walkGeneration_;
  if (life->yield) life->yield();
  if (!life->alive || life->generation != generation) return false;
  nameStale_ = true;
  return true;
}

void FolderWalk::setStatus(const std::string& path) {
  if (flags_.idleTicks) *flags_.idleTicks = 0;
  if (statusSink_) statusSink_(path);
}

bool FolderWalk::isCurrent(const std::shared_ptr<Life>& life, std::uint64_t generation) {
  return life->alive && life->generation == generation;
}

void FolderWalk::start(const std::string& startFolder) {
  const std::shared_ptr<Life> life = life_;
  const std::uint64_t generation = walkGeneration_ = ++life_->generation;
  *flags_.stopFlag = false;
  lv_.clear();
  unreadable_.clear();
  nameStale_ = true;
  fs_.beginSearch();
  enterFolder(startFolder);
  SearchInto();
  if (!isCurrent(life, generation)) return;
  // Seeding: no stop check and no status text here.
  for (std::size_t i = 0; i < dirx.count(); ++i) {
    if (!yieldNow()) return;
    std::string path = dirx.folderPath(i);
    if (!yieldNow()) return;
    lst.push_back(std::move(path));
  }
  Proceed();
  if (isCurrent(life, generation)) lv_.flush();
}

bool FolderWalk::enterFolder(const std::string& path) {
  switch (fs_.enter(path, dirx, flx)) {
    case FsOutcome::Ok: return true;
    case FsOutcome::OutOfResources: stop(); break;
    default: unreadable_.addFolder(path); break;  // skipped: the walk goes on
  }
  return false;
}

void FolderWalk::SearchInto() { listFiles(); }

void FolderWalk::Proceed() {
  const std::shared_ptr<Life> life = life_;
  const std::uint64_t generation = walkGeneration_;
  for (;;) {
    if (stopped()) return;
    if (!yieldNow()) return;
    if (lst.empty()) {  // the normal end, or a press emptied the queue
      stop();
      return;
    }
    const std::string path = lst.front();
    setStatus(path);
    if (!yieldNow()) return;
    enterFolder(path);
    if (!listFiles()) return;
    if (!yieldNow()) return;
    // A press during this pass may have emptied the queue: nothing to remove.
    if (lst.empty()) stop();
    else lst.pop_front();
    DoFind();
    if (!isCurrent(life, generation)) return;
  }
}

void FolderWalk::DoFind() {
  for (std::size_t i = 0; i < dirx.count(); ++i) {
    if (stopped()) return;
    if (!yieldNow()) return;
    std::string path = dirx.folderPath(i);
    setStatus(path);
    if (!yieldNow()) return;
    lst.push_back(std::move(path));
  }
}

bool FolderWalk::listFiles() {
  lv_.setFolder(dirx.path());
  for (std::size_t i = 0; i < flx.count(); ++i) {
    if (nameStale_) {
      nameTest_.prepare(nameSource_ ? nameSource_() : QString());
      nameStale_ = false;
    }
    const std::string_view name = flx.name(i);
    if (!nameTest_.matches(name, *flags_.matchCase)) continue;
    std::int64_t size = 0;
    const FsOutcome outcome = fs_.fileDetails(flx, i, size);
    if (outcome == FsOutcome::NotListed) continue;
    if (outcome == FsOutcome::OutOfResources) { stop(); continue; }
    if (outcome == FsOutcome::Unreadable) {
      unreadable_.addFile(PathName::join(dirx.path(), name));
      continue;
    }
    if (flags_.curFileSize) *flags_.curFileSize = size;
    if (contentTest_) {
      const Verdict verdict = contentTest_(*this, i);
      if (verdict == Verdict::WalkGone) return false;
      if (verdict != Verdict::Match) continue;
    }
    lv_.append(name, size, icons_.iconIndex(name));
  }
  flx.release();
  return true;
}
