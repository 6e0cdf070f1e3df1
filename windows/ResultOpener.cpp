// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/ResultOpener.h"

#include <string>

#include "engine/DisplayText.h"
#include "engine/ResultList.h"
#include "platform/core/FileSystem.h"
#include "platform/desktop/FileOpener.h"
#include "ui/Context.h"

void ResultOpener::open(Context& context, const ResultList& results, std::size_t row, bool failedDisplay) {
  if (row >= results.size()) return;
  // Copies: the list may be emptied by a search while the busy window waits.
  const std::string name(results.name(row));
  const std::string folder = results.folder(row);  // NOLINT(performance-unnecessary-copy-initialization)
  context.showBusy(2, tr("Openning Application..."));
  const std::string path = context.fileSystem().absolutePathName(folder, name);
  const FileOpener::Outcome outcome = context.opener().open(path, folder);
  if (outcome != FileOpener::Outcome::NoApplication && outcome != FileOpener::Outcome::Missing) return;
  if (failedDisplay) context.showBusy(2, tr("Failed.."));
  if (outcome == FileOpener::Outcome::Missing)
    context.message(QMessageBox::Critical, tr("Error"),
                    tr("%1 was not found.").arg(DisplayText::fromBytes(path)));  // renamed or deleted since
  else
    context.message(QMessageBox::Critical, tr("Error"),
                    tr("No associated program/application found to open this file."));
}
