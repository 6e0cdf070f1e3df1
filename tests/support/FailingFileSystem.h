// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <new>
#include <set>
#include <string>

#include "platform/core/LinuxFileSystem.h"

// The real file system, with chosen folders failing as a permission
// problem would (CI runs as root, which reads everything), and a fault
// injected at the n-th folder entered or file looked up; or no birth times.
class FailingFileSystem final : public FileSystem {
public:
  enum class Fault { None, OutOfHandles, OutOfMemory, BadAlloc };
  std::set<std::string> unreadableFolders;
  Fault fault = Fault::None;
  int faultAtCall = 0;  // 1 = the first call of enter, fileDetails or openFile
  int calls = 0;
  bool noBirthTimes = false;  // as on a file system that records none
  LinuxFileSystem real;

  std::vector<std::string> drives() override { return real.drives(); }
  bool folderExists(const std::string& p) override { return real.folderExists(p); }
  std::string absolutePathName(const std::string& f, const std::string& n) override {
    return real.absolutePathName(f, n);
  }
  FsOutcome beginSearch(const std::string& start, SearchRoot& root) override { return real.beginSearch(start, root); }
  FsOutcome enter(SearchRoot& root, const std::string& p, OpenFolder& folder, DirectoryEntries& e) override {
    if (const FsOutcome injected = inject(); injected != FsOutcome::Ok) return injected;
    if (unreadableFolders.count(p)) return FsOutcome::Denied;
    return real.enter(root, p, folder, e);
  }
  FsOutcome fileDetails(const SearchRoot& root, const OpenFolder& folder, const char* name, bool isLink, FileTime which,
                        FileFacts& facts) override {
    if (const FsOutcome injected = inject(); injected != FsOutcome::Ok) return injected;
    const FsOutcome outcome = real.fileDetails(root, folder, name, isLink, which, facts);
    if (noBirthTimes && which == FileTime::Created) facts.hasTime = false;
    return outcome;
  }
  FsOutcome openFile(SearchRoot& root, const OpenFolder& folder, const char* name, FileReader& r) override {
    if (const FsOutcome injected = inject(); injected != FsOutcome::Ok) return injected;
    return real.openFile(root, folder, name, r);
  }
  std::unique_ptr<ReadAhead> makeReadAhead(int workers, ReadAhead::When when) override {
    return real.makeReadAhead(workers, when);
  }

private:
  FsOutcome inject() {
    if (++calls != faultAtCall || fault == Fault::None) return FsOutcome::Ok;
    if (fault == Fault::BadAlloc) throw std::bad_alloc();
    return fault == Fault::OutOfHandles ? FsOutcome::OutOfHandles : FsOutcome::OutOfMemory;
  }
};
