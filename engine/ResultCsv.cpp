// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ResultCsv.h"

#include "engine/DisplayText.h"
#include "engine/ResultList.h"
#include "platform/core/PathName.h"

namespace {
constexpr std::size_t kChunkBytes = 1 << 20;

void appendField(std::string& out, std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    out.append(field);
    return;
  }
  out.push_back('"');
  for (char c : field) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
}

void appendShown(std::string& out, std::string_view bytes) {
  std::string shown = DisplayText::fromBytes(bytes).toStdString();
  if (!shown.empty() && std::string_view("=+-@\t\r").find(shown.front()) != std::string_view::npos)
    shown.insert(shown.begin(), '\'');
  appendField(out, shown);
}
}  // namespace

std::string_view ResultCsv::next() {
  chunk_.clear();
  if (!headed_) chunk_ = "name,folder,size,uri\r\n";
  headed_ = true;
  std::string path;
  for (; done_ < records_.size() && chunk_.size() < kChunkBytes; ++done_) {
    const std::uint32_t r = records_[done_];
    appendShown(chunk_, results_.name(r));
    chunk_.push_back(',');
    appendShown(chunk_, results_.folder(r));
    chunk_ += ',' + std::to_string(results_.fileSize(r)) + ',';
    PathName::joinInto(path, results_.folder(r), results_.name(r));
    appendField(chunk_, PathName::fileUri(path));
    chunk_ += "\r\n";
  }
  return chunk_;
}
