#pragma once
#include <chrono>

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
