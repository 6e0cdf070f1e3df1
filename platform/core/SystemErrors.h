#pragma once

enum class FsOutcome;

// What a failed system call's error means to a search.
class SystemErrors {
public:
  static FsOutcome outcome(int error);
};
