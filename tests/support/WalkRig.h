// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/FolderWalk.h"
#include "engine/ResultList.h"
#include "engine/WalkHost.h"
#include "support/FailingFileSystem.h"

// A path below root as the tests name it ("R" for root itself).
inline std::string relativeTo(const std::string& root, const std::string& p) {
  if (p == root) return "R";
  return p.compare(0, root.size() + 1, root + "/") == 0 ? p.substr(root.size() + 1) : p;
}
// The folders of the entries, in order, one per run of entries.
inline std::vector<std::string> folderRuns(const ResultList& results, const std::string& root) {
  std::vector<std::string> out;
  for (std::size_t r = 0; r < results.size(); ++r) {
    const std::string f = relativeTo(root, results.folder(r));
    if (out.empty() || out.back() != f) out.push_back(f);
  }
  return out;
}

// One search window's worth of walk, with its yields counted and scriptable.
struct WalkRig final : WalkHost {
  bool stop = true;
  bool caseOption = false;
  ResultList results;
  FailingFileSystem fs;
  std::unique_ptr<FolderWalk> walk;
  QString name;
  QString contains;  // null: a search by name only
  bool documents = false;
  std::string root;
  std::vector<std::string> statuses;
  int yields = 0;
  int endings = 0;
  std::function<void(int yield)> onYield;

  explicit WalkRig(const std::string& rootPath, QString containing = {})
      : contains(std::move(containing)), root(rootPath) {
    walk = std::make_unique<FolderWalk>(fs, results, *this);
  }
  LiveInputs yieldToEvents() override {
    ++yields;
    if (onYield) onYield(yields);
    return inputs();
  }
  LiveInputs inputs() const { return {name, contains, caseOption}; }
  void requestStop() override { stop = true; }
  bool stopRequested() override { return stop; }
  void clearStopRequest() override { stop = false; }
  void statusChanged(const std::string& p) override { statuses.push_back(relative(p)); }
  void resultsCleared() override {}
  void ended() override { ++endings; }

  void run() {  // as a press does: the queue emptied first
    walk->emptyQueue();
    walk->start(SearchQuery{
        .startFolder = root, .inputs = inputs(), .contentTest = !contains.isNull(), .documents = documents});
  }
  std::string relative(const std::string& p) const { return relativeTo(root, p); }
  std::vector<std::string> folders() const { return folderRuns(results, root); }
  std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (std::size_t r = 0; r < results.size(); ++r) out.emplace_back(results.name(r));
    return out;
  }
  bool lastStatusIs(const std::string& s) const { return !statuses.empty() && statuses.back() == s; }
};
