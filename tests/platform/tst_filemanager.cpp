// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's file manager, over a session bus of the test's own: the call every file manager answers, the
// paths' exact bytes in its URIs, and the answer where none runs.
#include <QDBusConnection>
#include <QtTest>

#include "platform/desktop/DBusFileManager.h"

// Notes what it is asked to show, at the freedesktop path and interface only.
class FakeFileManager : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
  QStringList shown;
public Q_SLOTS:
  void ShowItems(const QStringList& uris, const QString&) { shown = uris; }
};

class FileManagerTest : public QObject {
  Q_OBJECT
  QProcess bus_;
  FakeFileManager fake_;

private Q_SLOTS:
  void initTestCase() {
    bus_.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
    QVERIFY(bus_.waitForReadyRead());
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus_.readLine().trimmed());  // before the first call
    QDBusConnection::connectToBus(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), "fake")
        .registerObject("/org/freedesktop/FileManager1", &fake_, QDBusConnection::ExportAllSlots);
  }
  void cleanupTestCase() { bus_.kill(); bus_.waitForFinished(); }
  void cleanup() { QDBusConnection(QStringLiteral("fake")).unregisterService("org.freedesktop.FileManager1"); }

  void showItems_data() {
    QTest::addColumn<bool>("running");
    QTest::newRow("shown") << true;
    QTest::newRow("no file manager") << false;
  }
  void showItems() {
    QFETCH(bool, running);
    if (running) QVERIFY(QDBusConnection(QStringLiteral("fake")).registerService("org.freedesktop.FileManager1"));
    fake_.shown.clear();
    int answer = -1;
    DBusFileManager manager;
    manager.showItems({"/tmp/with space/caf\xe9 1.txt", "/tmp/%u\n"}, [&](bool shown) { answer = shown; });
    QTRY_COMPARE(answer, int(running));
    QCOMPARE(fake_.shown, running ? QStringList({"file:///tmp/with%20space/caf%E9%201.txt", "file:///tmp/%25u%0A"}) : QStringList());
  }
};

QTEST_GUILESS_MAIN(FileManagerTest)
#include "tst_filemanager.moc"
