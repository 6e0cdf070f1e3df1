#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/core/ReadAhead.h"

// Read-ahead with worker threads, each opening folders the same safe way as
// the walk (below the start folder, through no link) and never entering a
// kernel interface file system. Workers hold a folder open only while they
// read it, stop between two reads when the search stops, and leave by
// themselves when this object goes: nothing ever waits for them.
class LinuxReadAhead final : public ReadAhead {
public:
  static constexpr unsigned long long kDistance = 256;  // folders ahead of the walk, at most
  static constexpr std::size_t kBatch = 32;              // folders handed over at a time

  explicit LinuxReadAhead(int workers);
  ~LinuxReadAhead() override;

  void begin(const SearchRoot& root) override;
  void queued(const std::string& path) override;
  void entered() override;
  void dropQueued() override;
  void stop() override;

  struct Shared;
  struct Session;

private:
  void handOver();

  std::shared_ptr<Shared> shared_;
  std::shared_ptr<Session> session_;  // the walk's own pointer to the search being read ahead
  std::vector<std::string> pending_;  // queued since the last hand-over, below the start folder
  unsigned long long queuedCount_ = 0;
  int workers_;  // still to be started
};
