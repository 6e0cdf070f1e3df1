#pragma once
#include <chrono>

// Tells from the times of folder reads whether they needed the disk. A warm
// read costs a few microseconds and a fraction of one per entry; a read
// from a disk costs more than that allows. Now and then a warm read is slow
// too (a preempted thread), so it takes several slow reads among a few.
class ColdReads {
public:
  using Duration = std::chrono::steady_clock::duration;
  static constexpr std::chrono::nanoseconds kSlowRead = std::chrono::microseconds(10);
  static constexpr std::chrono::nanoseconds kSlowPerEntry = std::chrono::nanoseconds(200);
  static constexpr int kWindow = 16;  // reads judged together
  static constexpr int kSlowInWindow = 4;

  static bool slow(Duration read, unsigned entries) { return read >= kSlowRead + kSlowPerEntry * entries; }

  // One more read; true when enough of the last few were slow, and then the
  // count starts again.
  bool add(Duration read, unsigned entries);
  void reset() { reads_ = slowReads_ = 0; }

private:
  int reads_ = 0;
  int slowReads_ = 0;
};
