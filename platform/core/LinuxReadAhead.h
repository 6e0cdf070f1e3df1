#pragma once
#include <chrono>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/ColdReads.h"
#include "platform/core/ReadAhead.h"

// Read-ahead with worker threads, each opening folders the same safe way as
// the walk (below the start folder, through no link) and never entering a
// kernel interface file system. Workers hold a folder open only while they
// read it, stop between two reads when the search stops, and leave by
// themselves when this object goes: nothing ever waits for them.
//
// On a warm cache reading ahead only costs, so it starts when the walk's own
// reads turn slow, and stops again when the workers' reads turn fast. The
// threads start the first time it is needed: a warm search has none.
class LinuxReadAhead final : public ReadAhead {
public:
  static constexpr unsigned long long kDistance = 256;  // folders ahead of the walk, at most
  static constexpr std::size_t kBatch = 32;              // folders handed over at a time

  LinuxReadAhead(int workers, When when);
  ~LinuxReadAhead() override;

  void begin(const SearchRoot& root) override;
  void queued(const std::string& path) override;
  void entering() override;
  bool entered(unsigned entries) override;
  void backlog(const std::deque<std::string>& queue) override;
  void dropQueued() override;
  void stop() override;

  struct Shared;
  struct Session;

private:
  void startReading();
  void handOver();

  std::shared_ptr<Shared> shared_;
  std::shared_ptr<Session> session_;  // the walk's own pointer to the search being read ahead
  std::vector<std::pair<std::string, unsigned long long>> pending_;  // relative path, queue position
  unsigned long long queuedCount_ = 0;
  unsigned long long enteredCount_ = 0;
  std::chrono::steady_clock::time_point readBegan_;
  bool timing_ = false;
  ColdReads coldReads_;
  int workers_;  // still to be started
  When when_;
};
