#pragma once
#include <QString>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "engine/NameTest.h"
#include "engine/UnreadableLog.h"
#include "engine/WalkFlags.h"
#include "platform/FileListing.h"
#include "platform/FolderListing.h"

class FileSystem;
class IconSource;
class ResultsModel;

// The folder walk of one search window: breadth-first over the folder queue
// lst, entering each folder once through dirx (its files through flx), on the
// caller's thread. It yields to the caller's event loop three times per folder
// and twice per queued subfolder, never per file, and stops at the stop flag.
//
// Anything can happen inside a yield: the user may stop the search, empty the
// queue, start a new search with this same walk, or close the window and
// destroy the walk. After every yield the walk checks that it is still the
// walk that was started and that it still exists, and otherwise returns at
// once without touching anything.
class FolderWalk {
public:
  // Says whether a candidate's content passes; may yield through the walk.
  enum class Verdict { Match, NoMatch, Failed, WalkGone };
  using ContentTest = std::function<Verdict(FolderWalk& walk, std::size_t fileIndex)>;

  FolderWalk(FileSystem& fs, ResultsModel& lv, IconSource& icons, WalkFlags flags);
  ~FolderWalk();
  FolderWalk(const FolderWalk&) = delete;
  FolderWalk& operator=(const FolderWalk&) = delete;

  void setYield(std::function<void()> yield) { life_->yield = std::move(yield); }
  void setNameSource(std::function<QString()> source) { nameSource_ = std::move(source); }
  // Told the folder path of every new status text ("Searching In " + path + "...").
  void setStatusSink(std::function<void(const std::string& path)> sink) { statusSink_ = std::move(sink); }
  void setContentTest(ContentTest test) { contentTest_ = std::move(test); }

  // The start sequence: clears the stop flag and the results, enters the
  // start folder, lists it, queues its subfolders and runs the walk loop.
  // Returns when the walk has ended (or its walk was replaced or destroyed).
  void start(const std::string& startFolder);

  void SearchInto();
  void Proceed();
  void DoFind();

  // A yield from inside the walk; false when the walk must end at once. The
  // results found so far are handed to views by whoever lets events in
  // (ResultsModel::flush), and by the walk when it ends.
  bool yieldNow();

  const UnreadableLog& unreadable() const { return unreadable_; }
  std::uint64_t yieldCount() const { return yields_; }

  std::deque<std::string> lst;  // the folder queue
  FolderListing dirx;           // the entered folder and its subfolders
  FileListing flx;              // its files, through the listing pattern

private:
  // What a yield needs after it returns, kept out of the walk itself because
  // the yield may destroy the walk.
  struct Life {
    bool alive = true;
    std::uint64_t generation = 0;
    std::function<void()> yield;
  };
  static bool isCurrent(const std::shared_ptr<Life>& life, std::uint64_t generation);
  bool listFiles();  // the per-file step for every name of flx; false when the walk is gone
  bool enterFolder(const std::string& path);
  void setStatus(const std::string& path);
  void stop() { *flags_.stopFlag = true; }
  bool stopped() const { return *flags_.stopFlag; }

  FileSystem& fs_;
  ResultsModel& lv_;
  IconSource& icons_;
  WalkFlags flags_;
  std::function<QString()> nameSource_;
  std::function<void(const std::string&)> statusSink_;
  ContentTest contentTest_;
  std::shared_ptr<Life> life_;
  std::uint64_t walkGeneration_ = 0;  // the generation yieldNow checks against
  NameTest nameTest_;
  bool nameStale_ = true;  // the name text can only change during a yield
  UnreadableLog unreadable_;
  std::uint64_t yields_ = 0;
};
