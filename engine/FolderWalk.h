// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "engine/ContentMatcher.h"
#include "engine/Listing.h"
#include "engine/NameTest.h"
#include "engine/SearchQuery.h"
#include "engine/UnreadableLog.h"
#include "platform/core/ReadAhead.h"
#include "platform/core/SearchRoot.h"

class FileReader;
class FileSystem;
class ResultList;
class WalkHost;
enum class FsOutcome;

// The folder walk of one search window: breadth-first over the folder queue
// folderQueue, entering each folder once through currentFolder (its files through currentFiles), on the
// window's thread. It yields to the window's events three times per folder,
// twice per queued subfolder and once every few hundred entries of a long
// directory read, sort or file listing, never per file. It stops at the stop
// flag between folders; the containing-text search also before each
// candidate.
//
// Anything can happen inside a yield: the user may stop the search, empty the
// queue, start a new search with this same walk, or close the window and
// destroy the walk. After every yield the walk checks that it is still the
// walk that was started and that it still exists, and otherwise returns at
// once without touching anything.
class FolderWalk {
public:
  // Why a search ended before its tree was exhausted, when the system said so.
  enum class EarlyEnd { None, OutOfMemory, OutOfHandles };

  FolderWalk(FileSystem& fs, ResultList& results, WalkHost& host);
  ~FolderWalk();
  FolderWalk(const FolderWalk&) = delete;
  FolderWalk& operator=(const FolderWalk&) = delete;

  // The start sequence: takes the query's pattern, content test and inputs, clears
  // the stop flag and the results, enters the start folder, lists it, queues
  // its subfolders and runs the walk loop. Returns when the walk has ended
  // (or was replaced or destroyed).
  void start(const SearchQuery& query);
  // What a press of the window's button does first, whatever its caption.
  void emptyQueue();
  // Reads ahead of the walk with this many threads, while its reads show a
  // cold cache (or always); 0: not at all. On by default.
  void setReadAhead(int workers, ReadAhead::When when = ReadAhead::When::Cold);
  // Two for each core, at most 4.
  static int readAheadWorkers();

  const UnreadableLog& unreadable() const { return unreadable_; }
  EarlyEnd earlyEnd() const { return earlyEnd_; }
  // Files that passed every other test but whose file system records no
  // time of the kind the range asks for (a birth time).
  std::size_t withoutTime() const { return withoutTime_; }
  std::size_t queued() const { return folderQueue.size(); }

private:
  // What a yield needs after it returns, kept out of the walk itself because
  // the yield may destroy the walk.
  struct Life {
    bool alive = true;
    std::uint64_t generation = 0;
  };

  void searchInto();
  void walkQueue();
  void queueSubfolders();
  bool yieldNow();  // false when the walk must end at once
  bool yieldInRead();
  bool listFiles();  // the per-file step for every name of currentFiles; false when the walk is gone
  enum class Content { Match, NoMatch, Gone };
  Content examineContent(std::size_t i, std::int64_t size);
  Content examineDocument(std::size_t i, FileReader& reader, std::int64_t size);
  bool enterFolder(const std::string& path);  // false when the walk is gone
  void skipFile(FsOutcome outcome, std::size_t i);
  void refreshNameTest();
  void endEarly(EarlyEnd why);
  void freeMemory();
  void stop();
  bool stopped();
  void queue(std::string path);
  static bool isCurrent(const std::shared_ptr<Life>& life, std::uint64_t generation);

  std::deque<std::string> folderQueue;  // the folder queue
  FolderListing currentFolder;          // the entered folder and its subfolders
  FileListing currentFiles;             // its files, through the listing pattern

  FileSystem& fs_;
  ResultList& results_;
  WalkHost& host_;
  std::shared_ptr<Life> life_;
  std::uint64_t walkGeneration_ = 0;  // the generation yieldNow checks against
  SearchRoot root_;
  std::unique_ptr<ReadAhead> ahead_;
  LiveInputs live_;  // the query's, then what each yield hands back
  NameTest nameTest_;
  bool nameStale_ = true;  // the name text can only change during a yield
  UnreadableLog unreadable_;
  EarlyEnd earlyEnd_ = EarlyEnd::None;
  bool contentTest_ = false;
  bool documents_ = false;  // candidates that are documents are searched in their text
  TimeSizeTest timeSize_;
  std::size_t withoutTime_ = 0;
  ContentMatcher matcher_;
  QString matcherText_;
  bool matcherReady_ = false;
  // Read at a time: small enough that what the kernel copies is still in the
  // processor's cache when it is scanned (64 KiB was faster than 256 KiB and
  // 1 MiB on dense text); events are let in between reads.
  static constexpr std::size_t kReadBytes = 64 << 10;
  std::unique_ptr<char[]> readBuffer_;  // one for the walk, whatever the files' sizes
};
