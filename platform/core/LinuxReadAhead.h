#pragma once
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/ColdReads.h"
#include "platform/core/ReadAhead.h"

// What a file system shares with the read-aheads it makes, on the walk's
// thread: the walk's last folder read as the file system timed it, the clock
// it is timed with, and how a worker thread starts. Tests replace the clock
// and the thread start, and read the tally of what the workers did.
struct ReadAheadHooks {
  struct Tally {
    std::atomic<int> workers{0};                 // started
    std::atomic<int> failed{0};                  // workers gone for a failure
    std::atomic<unsigned long long> folders{0};  // read to their end by workers
  };
  struct Read {
    ColdReads::Duration took{};  // its directory read system calls
    unsigned entries = 0;        // all they gave, hidden and dot entries too; 0: no read
    ColdReads::Duration warm{};  // the same calls once more right after, when asked for
  };
  // Throws, as std::thread does, when the system has no thread to give.
  static void startDetached(std::function<void()> work);

  ColdReads::Now now = ColdReads::Clock::now;
  void (*startThread)(std::function<void()> work) = startDetached;
  Read last;
  bool timeWarm = false;  // the next read is timed again from the caches
  std::shared_ptr<Tally> tally = std::make_shared<Tally>();
};

// Read-ahead with worker threads, each opening folders the same safe way as
// the walk (below the start folder, through no link) and never entering a
// kernel interface file system. Workers hold a folder open only while they
// read it, stop between two reads when the search stops, and leave by
// themselves when this object goes: nothing ever waits for them.
//
// On a warm cache reading ahead only costs, so it starts when the walk's own
// reads turn slow, and stops again when the workers' reads turn fast. The
// threads start the first time it is needed: a warm search has none. A
// thread the system cannot give, or a worker that fails, is done without:
// once none is left the walk goes on alone, as without reading ahead.
class LinuxReadAhead final : public ReadAhead {
public:
  static constexpr unsigned long long kDistance = 256;  // folders ahead of the walk, at most
  static constexpr std::size_t kBatch = 32;              // folders handed over at a time

  LinuxReadAhead(int workers, When when, ReadAheadHooks& hooks);
  ~LinuxReadAhead() override;

  void begin(const SearchRoot& root) override;
  void queued(const std::string& path) override;
  void entering() override;
  bool entered() override;
  void backlog(const std::deque<std::string>& queue) override;
  void dropQueued() override;
  void stop() override;

  struct Shared;
  struct Session;

private:
  bool startReading();
  bool abandoned() const;  // no worker left, and none to start
  void handOver();

  std::shared_ptr<Shared> shared_;
  std::shared_ptr<Session> session_;  // the walk's own pointer to the search being read ahead
  std::vector<std::pair<std::string, unsigned long long>> pending_;  // relative path, queue position
  unsigned long long queuedCount_ = 0;
  unsigned long long enteredCount_ = 0;
  bool timing_ = false;
  ColdReads coldReads_;
  ReadAheadHooks& hooks_;
  int workers_;  // still to be started
  When when_;
};
