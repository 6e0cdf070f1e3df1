#include "windows/ResultOpener.h"

#include <string>

#include "engine/ResultsModel.h"
#include "platform/FileOpener.h"
#include "platform/FileSystem.h"
#include "shell/MYVARS.h"

void ResultOpener::open(const ResultsModel& results, int row, bool failedDisplay) {
  if (row < 0 || row >= results.rowCount()) return;
  // Copies: the list may be emptied by a search while the busy window waits.
  const std::string name(results.name(row));
  const std::string folder = results.folder(row);
  MYVARS::ShowBusy(2, "Openning Application...");
  const std::string path = MYVARS::fso().absolutePathName(folder, name);
  if (MYVARS::opener().open(path, folder) != FileOpener::Outcome::NoApplication) return;
  if (failedDisplay) MYVARS::ShowBusy(2, "Failed..");
  MYVARS::message(QMessageBox::Critical, "Error", "No associated program/application found to open this file.");
}
