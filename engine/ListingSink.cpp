#include "engine/ListingSink.h"

#include "engine/FileListing.h"
#include "engine/FolderListing.h"
#include "engine/NameTest.h"
#include "engine/UnreadableLog.h"
#include "engine/WalkHost.h"
#include "platform/core/PathName.h"

// A folder of many thousands of names lets events in as it is read.
void ListingSink::counted() {
  if (++entries_ % kEntriesPerYield != 0) return;
  if (!yield_()) abandon();
  else if (names_) matchCase_ = host_.matchCase();  // the name text is the walk's, refreshed by its yield
}

void ListingSink::addFolder(std::string_view name) {
  dirx_.add(name);
  counted();
}

void ListingSink::addFile(std::string_view name, bool isLink) {
  if (!names_ || names_->matches(name, matchCase_)) flx_.offer(name, isLink);
  counted();
}

void ListingSink::addUnreadable(std::string_view name) { log_.addFile(PathName::join(dirx_.path(), name)); }
