#include "engine/ListingSink.h"

#include "engine/FileListing.h"
#include "engine/FolderListing.h"
#include "engine/NameTest.h"
#include "engine/UnreadableLog.h"
#include "engine/WalkHost.h"
#include "platform/core/PathName.h"

// A folder of many thousands of names keeps the window painted as it is read.
void ListingSink::counted() {
  if (++entries_ % 4096 == 0) host_.paintIfDue();
}

void ListingSink::addFolder(std::string_view name) {
  dirx_.add(name);
  counted();
}

void ListingSink::addFile(std::string_view name, bool isLink) {
  counted();
  if (names_ && !names_->matches(name, matchCase_)) return;
  flx_.offer(name, isLink);
}

void ListingSink::addUnreadable(std::string_view name) { log_.addFile(PathName::join(dirx_.path(), name)); }
