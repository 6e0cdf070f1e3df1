// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/ReadAhead.h"

// Tells from the times of directory reads, their system calls alone, whether
// they needed the disk. What a read from the caches costs depends on the
// processor, so each read is held against the cheapest read per entry of
// the search so far: over /usr's 17,000 folders here, 99.3% of the reads
// from the caches cost less than 8 times that, 99.7% of those from the disk
// more. A busy processor holds up a long read now and then (the thread loses
// its core mid-read), on two busy cores one in five, so it takes half of a
// few reads in a row to be slow.
class ColdReads {
public:
  using Clock = std::chrono::steady_clock;
  using Duration = Clock::duration;
  using Now = Clock::time_point (*)();  // where read times come from

  static constexpr double kSlowerThanWarm = 8;
  static constexpr unsigned kFixedCost = 16;  // a read's own cost, in entries
  static constexpr int kWindow = 16;          // reads judged together
  static constexpr int kSlowInWindow = kWindow / 2;

  // Slow for a read from the caches that cost warmCost (ns per entry); no
  // read is slow while that is unknown.
  static bool slow(Duration read, unsigned entries, double warmCost) {
    return warmCost > 0 && perEntry(read, entries) > kSlowerThanWarm * warmCost;
  }

  // A new search: nothing is known yet of what a read costs.
  void reset() {
    warmCost_ = 0;
    reads_ = slowReads_ = 0;
  }
  bool knowsWarmCost() const { return warmCost_ > 0; }
  double warmCost() const { return warmCost_; }
  // A read known to have come from the caches.
  void warm(Duration read, unsigned entries);
  // One more read of the walk; true when half of the last few were slow,
  // and then the count starts again.
  bool add(Duration read, unsigned entries);

private:
  static double perEntry(Duration read, unsigned entries) {
    return std::chrono::duration<double, std::nano>(read).count() / (entries + kFixedCost);
  }

  double warmCost_ = 0;  // the cheapest read so far, ns per entry
  int reads_ = 0;
  int slowReads_ = 0;
};

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
// themselves when this object goes: nothing ever waits for them. The walk's
// handles are set aside first: the workers share only what is left at the
// start of a search, and stop rather than take the walk's last ones.
//
// On a warm cache reading ahead only costs, so it starts when the walk's own
// reads turn slow, and stops again when the workers' reads turn fast. The
// threads start the first time it is needed: a warm search has none. A
// thread the system cannot give, or a worker that fails, is done without:
// once none is left the walk goes on alone, as without reading ahead.
class LinuxReadAhead final : public ReadAhead {
public:
  static constexpr unsigned long long kDistance = 256;  // folders ahead of the walk, at most
  static constexpr std::size_t kBatch = 32;             // folders handed over at a time

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
