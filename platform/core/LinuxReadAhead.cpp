#include "platform/core/LinuxReadAhead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/core/FolderOpener.h"
#include "platform/core/SearchRoot.h"

// One search as the workers see it: their own handle on its start folder,
// the devices of the kernel's interfaces, and how far the walk has got.
struct LinuxReadAhead::Session {
  int start = -1;
  std::string startPath;
  std::vector<dev_t> interfaceDevices;
  std::atomic<bool> stopped{false};
  std::atomic<unsigned long long> entered{0};
  // Reads that found everything in the caches already, in a row: on a warm
  // tree the workers only sample, so that they cost the walk nothing.
  std::atomic<int> warmInARow{0};
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

// A folder read this fast came from the caches.
constexpr auto kWarmRead = std::chrono::microseconds(40);
constexpr int kWarmSamples = 8;

bool ready(const Item& item) {
  return item.session->stopped || item.position <= item.session->entered + LinuxReadAhead::kDistance;
}
}  // namespace

struct LinuxReadAhead::Shared {
  std::mutex mutex;
  std::condition_variable wake;
  std::deque<Item> items;
  std::atomic<int> waiting{0};
  bool shutdown = false;

  void work();
  static void warm(const Item& item);
};

LinuxReadAhead::LinuxReadAhead(int workers) : shared_(std::make_shared<Shared>()), workers_(workers) {}

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
    // Behind the walk, a read is only in its way; on a warm tree, one in
    // sixteen is enough to notice when it turns cold.
    Session& session = *item.session;
    if (session.stopped || item.position <= session.entered) continue;
    if (session.warmInARow >= kWarmSamples && item.position % 16 != 0) continue;
    warm(item);
  }
}

// Reads the folder to its end and forgets it; the kernel remembers.
void LinuxReadAhead::Shared::warm(const Item& item) {
  Session& s = *item.session;
  const auto began = std::chrono::steady_clock::now();
  const int folder = FolderOpener::openBeneath(s.start, item.relative, item.relative.c_str());
  if (folder < 0) return;
  struct stat self;
  const bool interface = ::fstat(folder, &self) != 0 ||
                         std::find(s.interfaceDevices.begin(), s.interfaceDevices.end(), self.st_dev) !=
                             s.interfaceDevices.end();
  thread_local std::vector<char> buffer(64 * 1024);
  while (!interface && !s.stopped && ::syscall(SYS_getdents64, folder, buffer.data(), buffer.size()) > 0) {
  }
  ::close(folder);
  if (std::chrono::steady_clock::now() - began < kWarmRead) ++s.warmInARow;
  else s.warmInARow = 0;
}

void LinuxReadAhead::begin(const SearchRoot& root) {
  stop();
  // The workers start with the first search: a window that never searches
  // has none.
  for (; workers_ > 0; --workers_) std::thread([shared = shared_] { shared->work(); }).detach();
  auto session = std::make_shared<Session>();
  session->start = ::fcntl(root.handle(), F_DUPFD_CLOEXEC, 0);
  if (session->start < 0) return;  // no read-ahead for this search; the walk goes on alone
  session->startPath = root.path();
  session->interfaceDevices = root.interfaceDevices();
  session_ = std::move(session);
  queuedCount_ = 0;
}

void LinuxReadAhead::queued(const std::string& path) {
  std::size_t from = 0;
  if (!session_ || !SearchRoot::relativeTo(session_->startPath, path, from)) return;
  pending_.push_back(path.substr(from));
  if (pending_.size() >= kBatch) handOver();
}

// Folders reach the workers a batch at a time: one lock and one wake for
// many folders.
void LinuxReadAhead::handOver() {
  Shared& s = *shared_;
  {
    const std::lock_guard lock(s.mutex);
    for (std::string& relative : pending_) s.items.push_back(Item{session_, std::move(relative), ++queuedCount_});
  }
  pending_.clear();
  if (s.waiting > 0) s.wake.notify_one();
}

// Every so many folders entered, the workers may read further ahead.
void LinuxReadAhead::entered() {
  if (!session_) return;
  if (++session_->entered % kBatch != 0) return;
  if (!pending_.empty()) {
    handOver();
  } else if (shared_->waiting > 0) {
    const std::lock_guard lock(shared_->mutex);  // so that no worker misses it
    shared_->wake.notify_one();
  }
}

void LinuxReadAhead::dropQueued() {
  if (!session_) return;
  pending_.clear();
  queuedCount_ = session_->entered;
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
