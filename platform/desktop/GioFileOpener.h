// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/desktop/FileOpener.h"

// Opens files through GIO: the default application for the file's content
// type, launched with the file as a file URI (never as command text), in the
// file's folder. Never Quorrel itself, which takes folders: where it is the
// default, the first other application for the type.
class GioFileOpener final : public FileOpener {
public:
  Outcome open(const std::string& path, const std::string& folder) override;
};
