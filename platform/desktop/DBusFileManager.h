// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>

#include "platform/desktop/FileManager.h"

// Asks over the session bus, through the freedesktop call every file manager
// answers: org.freedesktop.FileManager1.ShowItems(file URIs, startup id).
// The call does not wait: a file manager the bus starts first may take seconds.
class DBusFileManager final : public FileManager {
public:
  void showItems(const std::vector<std::string>& paths, std::function<void(bool shown)> done) override;

private:
  QObject calls_;  // the pending calls: dropped, unanswered, with this
};
