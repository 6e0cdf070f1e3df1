#include "engine/ListingSink.h"

#include "engine/FileListing.h"
#include "engine/FolderListing.h"
#include "engine/UnreadableLog.h"
#include "platform/core/PathName.h"

void ListingSink::addFolder(std::string_view name) { dirx_.add(name); }

void ListingSink::addFile(std::string_view name, bool isLink) { flx_.offer(name, isLink); }

void ListingSink::addUnreadable(std::string_view name) { log_.addFile(PathName::join(dirx_.path(), name)); }
