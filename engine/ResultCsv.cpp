// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ResultCsv.h"

#include <string_view>

#include "engine/DisplayText.h"
#include "engine/ResultList.h"
#include "platform/core/PathName.h"

namespace {
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
  appendField(out, DisplayText::fromBytes(bytes).toStdString());
}
}  // namespace

std::string ResultCsv::text(const ResultList& results, const std::vector<std::uint32_t>& records) {
  std::string out = "name,folder,size,uri\r\n";
  for (const std::uint32_t r : records) {
    appendShown(out, results.name(r));
    out.push_back(',');
    appendShown(out, results.folder(r));
    out += ',' + std::to_string(results.fileSize(r)) + ',';
    appendField(out, PathName::fileUri(PathName::join(results.folder(r), results.name(r))));
    out += "\r\n";
  }
  return out;
}
