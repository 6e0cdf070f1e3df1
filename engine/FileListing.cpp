#include "engine/FileListing.h"

void FileListing::clear() {
  folder_.release();
  names_.clear();
}

void FileListing::freeMemory() {
  folder_.release();
  names_ = NameList();
}
