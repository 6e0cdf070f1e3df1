// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <archive.h>

#include <cstddef>
#include <memory>

#include "platform/documents/DocumentInput.h"
#include "platform/documents/TextOut.h"

// What libarchive reads a document from: its input, a piece at a time, and
// the text's limits, so that a read over its time or cancelled fails at once.
namespace ArchiveSource {
inline constexpr std::size_t kPiece = 64 << 10;

struct Source {
  DocumentInput& input;
  TextOut& out;
  char buffer[kPiece];
};

inline la_ssize_t readPiece(archive*, void* data, const void** at) {
  auto& s = *static_cast<Source*>(data);
  *at = s.buffer;
  if (!s.out.goOn()) return -1;
  return s.input.read(s.buffer, sizeof s.buffer);
}

struct ArchiveFree {
  void operator()(archive* a) const { archive_read_free(a); }
};
using Archive = std::unique_ptr<archive, ArchiveFree>;
}  // namespace ArchiveSource
