#include "platform/core/LinuxReadAhead.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/core/FolderOpener.h"
#include "platform/core/SearchRoot.h"

// One search as the workers see it: their own handle on its start folder,
// the devices of the kernel's interfaces, and how far the walk has got. What
// the walk writes and what the workers write sit on separate cache lines.
struct LinuxReadAhead::Session {
  int start = -1;
  std::string startPath;
  std::vector<dev_t> interfaceDevices;
  bool always = false;  // read ahead even where the caches hold the tree
  alignas(64) std::atomic<bool> stopped{false};
  std::atomic<unsigned long long> entered{0};  // the walk's position in its queue
  alignas(64) std::atomic<bool> reading{false};  // turned on by the walk, off by the workers
  std::atomic<int> fastInARow{0};
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

// Reads by the workers that came from the caches, in a row, before they stop.
constexpr int kFastToStop = 32;

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
  bool shutdown = false;

  void work();
  static bool slowRead(const Item& item);
};

LinuxReadAhead::LinuxReadAhead(int workers, When when)
    : shared_(std::make_shared<Shared>()), workers_(workers), when_(when) {}

LinuxReadAhead::~LinuxReadAhead() {
  stop();
  const std::lock_guard lock(shared_->mutex);
  shared_->shutdown = true;
  shared_->wake.notify_all();
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
    // Where the caches hold the tree already, stop: the walk turns reading
    // ahead on again if its own reads turn slow.
    if (slowRead(item)) s.fastInARow = 0;
    else if (++s.fastInARow >= kFastToStop && !s.always) s.reading = false;
  }
}

// Reads the folder to its end and forgets it; the kernel remembers. True
// when that took long enough to have needed the disk.
bool LinuxReadAhead::Shared::slowRead(const Item& item) {
  Session& s = *item.session;
  const auto began = std::chrono::steady_clock::now();
  const int folder = FolderOpener::openBeneath(s.start, item.relative, item.relative.c_str());
  if (folder < 0) return false;
  struct stat self;
  const bool interface = ::fstat(folder, &self) != 0 ||
                         std::find(s.interfaceDevices.begin(), s.interfaceDevices.end(), self.st_dev) !=
                             s.interfaceDevices.end();
  thread_local std::vector<char> buffer(64 * 1024);
  unsigned entries = 0;
  long bytes = 0;
  while (!interface && !s.stopped && (bytes = ::syscall(SYS_getdents64, folder, buffer.data(), buffer.size())) > 0) {
    for (long at = 0; at < bytes; at += reinterpret_cast<const dirent64*>(buffer.data() + at)->d_reclen) ++entries;
  }
  ::close(folder);
  return ColdReads::slow(std::chrono::steady_clock::now() - began, entries);
}

void LinuxReadAhead::begin(const SearchRoot& root) {
  stop();
  auto session = std::make_shared<Session>();
  session->start = ::fcntl(root.handle(), F_DUPFD_CLOEXEC, 0);
  if (session->start < 0) return;  // no read-ahead for this search; the walk goes on alone
  session->startPath = root.path();
  session->interfaceDevices = root.interfaceDevices();
  session->always = when_ == When::Always;
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
  ++enteredCount_;
  timing_ = !session_->reading.load(std::memory_order_relaxed);
  if (timing_) {
    readBegan_ = std::chrono::steady_clock::now();
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

bool LinuxReadAhead::entered(unsigned entries) {
  if (!session_ || !timing_) return false;
  timing_ = false;
  const auto read = std::chrono::steady_clock::now() - readBegan_;
  if (!coldReads_.add(read, entries)) return false;
  startReading();
  return true;
}

void LinuxReadAhead::startReading() {
  pending_.clear();
  {
    const std::lock_guard lock(shared_->mutex);
    shared_->items.clear();
  }
  session_->fastInARow = 0;
  session_->entered = enteredCount_;
  session_->reading = true;
  // The workers start the first time they are needed: a search on a warm
  // cache has none.
  for (; workers_ > 0; --workers_) std::thread([shared = shared_] { shared->work(); }).detach();
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
