// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/DBusFileManager.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

#include "platform/core/PathName.h"

void DBusFileManager::showItems(const std::vector<std::string>& paths, std::function<void(bool shown)> done) {
  const QString name = QStringLiteral("org.freedesktop.FileManager1");
  QDBusMessage call = QDBusMessage::createMethodCall(name, "/org/freedesktop/FileManager1", name, "ShowItems");
  QStringList uris;
  for (const std::string& path : paths) uris << QString::fromStdString(PathName::fileUri(path));  // all ASCII
  call << uris << QString();
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return done(false);
  auto* reply = new QDBusPendingCallWatcher(bus.asyncCall(call), &calls_);
  QObject::connect(reply, &QDBusPendingCallWatcher::finished, reply, [reply, done = std::move(done)] {
    reply->deleteLater();
    done(!reply->isError());
  });
}
