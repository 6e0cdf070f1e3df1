// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/LinuxReadAhead.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/core/FolderCache.h"
#include "platform/core/FolderOpener.h"
#include "platform/core/FolderReader.h"
#include "platform/core/HandleCount.h"
#include "platform/core/OpenFolder.h"
#include "platform/core/SearchRoot.h"

// One search as the workers see it: their own handle on its start folder,
// the devices of the kernel's interfaces, and how far the walk has got. What
// the walk writes and what the workers write sit on separate cache lines.
struct LinuxReadAhead::Session {
  int start = -1;
  std::string startPath;
  std::vector<dev_t> interfaceDevices;
  bool always = false;  // read ahead even where the caches hold the tree
  ColdReads::Now now = nullptr;
  std::shared_ptr<ReadAheadHooks::Tally> tally;
  alignas(64) std::atomic<bool> stopped{false};
  std::atomic<unsigned long long> entered{0};    // the walk's position in its queue
  std::atomic<double> warmCost{0};               // of a read from the caches, as the walk found it
  std::atomic<int> handles{0};                   // the workers may open this many more
  alignas(64) std::atomic<bool> reading{false};  // turned on by the walk, off by the workers
  std::atomic<unsigned> reads{0};
  std::atomic<unsigned> slowReads{0};
  ~Session() {
    if (start >= 0) ::close(start);
  }
};

namespace {
struct Item {
  std::shared_ptr<LinuxReadAhead::Session> session;
  std::string relative;
  unsigned long long position;  // in the walk's queue order
};

// The workers' reads judged together: fewer than half of them slow, and
// they stop.
constexpr unsigned kWorkerWindow = 32;
// What the walk may hold open at once: its start folder, the folders it
// keeps, the folder it lists, a file and its lookup, a piece of a long path.
// The workers never take one of these.
constexpr long long kWalkHandles = FolderCache::kCapacity + 5;
constexpr long long kHandlesPerRead = 2;  // a long path is opened in pieces, two at a time

// A worker's share of the handles, given back when it is done with it.
struct HandleShare {
  std::atomic<int>& left;
  bool taken = left.fetch_sub(1) > 0;
  ~HandleShare() { left.fetch_add(1); }
};

bool ready(const Item& item) {
  const LinuxReadAhead::Session& s = *item.session;
  return s.stopped || !s.reading || item.position <= s.entered + LinuxReadAhead::kDistance;
}
}  // namespace

struct LinuxReadAhead::Shared {
  std::mutex mutex;
  std::condition_variable wake;
  std::deque<Item> items;
  std::atomic<int> waiting{0};
  std::atomic<int> running{0};  // workers started and not failed
  bool shutdown = false;

  void run(ReadAheadHooks::Tally& tally);
  void work();
  static bool slowRead(const Item& item);
  static void judge(Session& s, bool slow);
};

void ReadAheadHooks::startDetached(std::function<void()> work) { std::thread(std::move(work)).detach(); }

LinuxReadAhead::LinuxReadAhead(int workers, When when, ReadAheadHooks& hooks)
    : shared_(std::make_shared<Shared>()), hooks_(hooks), workers_(workers), when_(when) {}

LinuxReadAhead::~LinuxReadAhead() {
  stop();
  const std::lock_guard lock(shared_->mutex);
  shared_->shutdown = true;
  shared_->wake.notify_all();
}

// A worker that fails (out of memory, say) only leaves: the walk never
// waits for one, and goes on alone once none is left.
void LinuxReadAhead::Shared::run(ReadAheadHooks::Tally& tally) {
  try {
    work();
  } catch (...) {
    ++tally.failed;
  }
  --running;
}

void LinuxReadAhead::Shared::work() {
  for (;;) {
    std::unique_lock lock(mutex);
    ++waiting;
    wake.wait(lock, [this] { return shutdown || (!items.empty() && ready(items.front())); });
    --waiting;
    if (shutdown) return;
    const Item item = std::move(items.front());
    items.pop_front();
    const bool more = !items.empty() && waiting > 0;
    lock.unlock();
    if (more) wake.notify_one();  // one wakes the next: never all at once
    // Behind the walk, a read is only in its way.
    Session& s = *item.session;
    if (s.stopped || !s.reading || item.position <= s.entered) continue;
    judge(s, slowRead(item));
  }
}

// Where the caches hold the tree already, reading ahead only costs: the
// workers stop, and the walk turns them on again if its own reads turn slow.
void LinuxReadAhead::Shared::judge(Session& s, bool slow) {
  if (slow) ++s.slowReads;
  if (++s.reads % kWorkerWindow != 0) return;
  if (s.slowReads.exchange(0) < kWorkerWindow / 2 && !s.always) s.reading = false;
}

// Reads the folder to its end and forgets it; the kernel remembers. True
// when its system calls took long enough to have needed the disk.
bool LinuxReadAhead::Shared::slowRead(const Item& item) {
  Session& s = *item.session;
  thread_local FolderReader reader;
  const HandleShare share{s.handles};
  if (!share.taken) return false;  // not read ahead: the walk's handles come first
  OpenFolder folder;
  folder.reset(FolderOpener::openBeneath(s.start, item.relative, item.relative.c_str()));
  if (!folder.isOpen() && (errno == EMFILE || errno == ENFILE)) s.stopped = true;  // the workers give way
  if (!folder.isOpen() || reader.identify(folder.handle(), s.interfaceDevices) != FsOutcome::Ok) return false;
  bool stopped = false;
  const FsOutcome outcome = reader.read(folder.handle(), s.now, [&](const char*, unsigned char) {
    stopped = s.stopped.load(std::memory_order_relaxed);
    return !stopped;
  });
  if (outcome != FsOutcome::Ok || stopped) return false;
  ++s.tally->folders;
  return ColdReads::slow(reader.took(), reader.entries(), s.warmCost.load(std::memory_order_relaxed));
}

void LinuxReadAhead::begin(const SearchRoot& root) {
  stop();
  if (abandoned()) return;
  // What is left once the walk's handles and the workers' start folder are
  // set aside; too little, and this search is not read ahead.
  const long long spare = (HandleCount::spare() - kWalkHandles - 1) / kHandlesPerRead;
  if (spare < 1) return;
  auto session = std::make_shared<Session>();
  session->handles = int(std::min<long long>(spare, 1 << 16));
  session->start = ::fcntl(root.handle(), F_DUPFD_CLOEXEC, 0);
  if (session->start < 0) return;  // no read-ahead for this search; the walk goes on alone
  session->startPath = root.path();
  session->interfaceDevices = root.interfaceDevices();
  session->always = when_ == When::Always;
  session->now = hooks_.now;
  session->tally = hooks_.tally;
  session_ = std::move(session);
  queuedCount_ = 0;
  enteredCount_ = 0;
  timing_ = false;
  coldReads_.reset();
  if (when_ == When::Always) startReading();
}

void LinuxReadAhead::queued(const std::string& path) {
  if (!session_) return;
  const unsigned long long position = ++queuedCount_;
  if (!session_->reading.load(std::memory_order_relaxed)) return;
  std::size_t from = 0;
  if (!SearchRoot::relativeTo(session_->startPath, path, from)) return;
  pending_.emplace_back(path.substr(from), position);
  if (pending_.size() >= kBatch) handOver();
}

void LinuxReadAhead::entering() {
  if (!session_) return;
  if (abandoned()) {  // every worker has failed
    stop();
    return;
  }
  ++enteredCount_;
  timing_ = !session_->reading.load(std::memory_order_relaxed);
  if (timing_) {
    // The first read of a search is timed once more from the caches: what
    // the reads after it are held against.
    hooks_.last = {};
    hooks_.timeWarm = !coldReads_.knowsWarmCost();
    return;
  }
  session_->entered.store(enteredCount_, std::memory_order_relaxed);
  // Every so many folders entered, the workers may read further ahead.
  if (enteredCount_ % kBatch != 0) return;
  if (!pending_.empty()) {
    handOver();
  } else if (shared_->waiting > 0) {
    const std::lock_guard lock(shared_->mutex);  // so that no worker misses it
    shared_->wake.notify_one();
  }
}

bool LinuxReadAhead::entered() {
  if (!session_ || !timing_) return false;
  timing_ = false;
  hooks_.timeWarm = false;
  const ReadAheadHooks::Read& read = hooks_.last;
  if (read.entries == 0) return false;  // the folder could not be read
  if (read.warm.count() > 0) coldReads_.warm(read.warm, read.entries);
  return coldReads_.add(read.took, read.entries) && startReading();
}

bool LinuxReadAhead::abandoned() const { return workers_ == 0 && shared_->running == 0; }

// True when some worker reads.
bool LinuxReadAhead::startReading() {
  pending_.clear();
  {
    const std::lock_guard lock(shared_->mutex);
    shared_->items.clear();
  }
  Session& s = *session_;
  s.reads = s.slowReads = 0;
  s.warmCost = coldReads_.warmCost();
  s.entered = enteredCount_;
  s.reading = true;
  // The workers start the first time they are needed: a search on a warm
  // cache has none. When the system has no thread left, none is tried again.
  for (; workers_ > 0; --workers_) {
    ++shared_->running;
    try {
      hooks_.startThread([shared = shared_, tally = hooks_.tally] { shared->run(*tally); });
      ++hooks_.tally->workers;
    } catch (...) {
      --shared_->running;
      workers_ = 0;
      break;
    }
  }
  if (!abandoned()) return true;
  stop();
  return false;
}

void LinuxReadAhead::backlog(const std::deque<std::string>& queue) {
  if (!session_) return;
  std::size_t from = 0;
  for (std::size_t i = 1; i < queue.size() && i <= kDistance; ++i) {
    if (SearchRoot::relativeTo(session_->startPath, queue[i], from))
      pending_.emplace_back(queue[i].substr(from), enteredCount_ + i);
  }
  handOver();
}

// Folders reach the workers a batch at a time: one lock and one wake for
// many folders.
void LinuxReadAhead::handOver() {
  if (pending_.empty()) return;
  Shared& s = *shared_;
  {
    const std::lock_guard lock(s.mutex);
    for (auto& [relative, position] : pending_) s.items.push_back(Item{session_, std::move(relative), position});
  }
  pending_.clear();
  if (s.waiting > 0) s.wake.notify_one();
}

void LinuxReadAhead::dropQueued() {
  if (!session_) return;
  pending_.clear();
  queuedCount_ = enteredCount_;
  const std::lock_guard lock(shared_->mutex);
  shared_->items.clear();
}

void LinuxReadAhead::stop() {
  pending_.clear();
  if (!session_) return;
  session_->stopped = true;
  session_.reset();
  const std::lock_guard lock(shared_->mutex);
  shared_->items.clear();
}

void ColdReads::warm(Duration read, unsigned entries) {
  const double cost = perEntry(read, entries);
  if (cost > 0 && (warmCost_ <= 0 || cost < warmCost_)) warmCost_ = cost;
}

bool ColdReads::add(Duration read, unsigned entries) {
  if (slow(read, entries, warmCost_)) ++slowReads_;
  else warm(read, entries);
  if (slowReads_ >= kSlowInWindow) {
    reads_ = slowReads_ = 0;
    return true;
  }
  if (++reads_ == kWindow) reads_ = slowReads_ = 0;
  return false;
}
