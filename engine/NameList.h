#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The names of one folder read, packed into one buffer so that listing a
// folder allocates nothing per name once the buffers have grown. Each name
// is stored NUL-terminated so it can go straight to a system call.
class NameList {
public:
  void clear();
  void add(std::string_view name, std::uint8_t tag = 0);
  // NameOrder. A long list is sorted in runs, then merged, with yield() asked
  // every kRun names: false from it ends the sort at once, touching nothing
  // of the list again (its owner may be gone), and is returned.
  bool sort(const std::function<bool()>& yield);
  void sort() { sort([] { return true; }); }
  static constexpr std::size_t kRun = 1024;

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  std::string_view at(std::size_t i) const {
    const Entry& e = entries_[i];
    return {buffer_.data() + e.offset, e.length};
  }
  const char* cString(std::size_t i) const { return buffer_.data() + entries_[i].offset; }
  std::uint8_t tag(std::size_t i) const { return entries_[i].tag; }

private:
  struct Entry {
    std::uint32_t offset;
    std::uint32_t length : 24;
    std::uint32_t tag : 8;
  };
  struct Sorted {
    std::uint32_t keyOffset;
    std::uint32_t keyLength;
    Entry entry;
  };
  std::vector<char> buffer_;
  std::vector<Entry> entries_;
  std::string keys_;             // sort keys of the names, built by sort()
  std::vector<Sorted> sorting_;  // reused by sort()
  std::vector<Sorted> merged_;   // the same, for the merges
};
