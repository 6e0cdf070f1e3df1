// The settings store, the drives and the small file-system services.
#include <QtTest>
#include <sys/stat.h>

#include <fstream>

#include "platform/core/IniSettingsStore.h"
#include "platform/core/LinuxFileSystem.h"
#include "support/TempTree.h"

class SettingsTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void folderExists() {
    TempTree t;
    t.folder("d");
    t.file("f", "x");
    t.link("dl", "d");
    LinuxFileSystem fs;
    QVERIFY(fs.folderExists(t.path("d")));
    QVERIFY(fs.folderExists(t.path("dl")));
    QVERIFY(!fs.folderExists(t.path("f")));
    QVERIFY(!fs.folderExists(""));
    QVERIFY(!fs.folderExists(t.path("nope")));
    QVERIFY(!fs.folderExists(t.path("d") + std::string("\0x", 2)));
  }

  void drivesStartAtRootAndHoldFiles() {
    LinuxFileSystem fs;
    const std::vector<std::string> drives = fs.drives();
    QVERIFY(!drives.empty());
    QCOMPARE(drives.front(), std::string("/"));
    for (const char* never : {"/proc", "/sys", "/dev/pts", "/sys/fs/cgroup"})
      QVERIFY2(std::find(drives.begin(), drives.end(), never) == drives.end(), never);
    // Where /dev/shm is a tmpfs of its own (as on most systems), it is a drive.
    struct stat dev, shm;
    if (::stat("/dev", &dev) == 0 && ::stat("/dev/shm", &shm) == 0 && dev.st_dev != shm.st_dev)
      QVERIFY(std::find(drives.begin(), drives.end(), "/dev/shm") != drives.end());
  }

  void settingsRoundTripAndDefaults() {
    QTemporaryDir dir;
    IniSettingsStore store(dir.path() + "/quorrel");
    QCOMPARE(store.get("x", "y", "loc", "/"), QString("/"));
    const QStringList values{"", "plain", "with, comma", "@Variant(x)", "line\nbreak", "caf\u00e9 \u2603", " spaced "};
    for (const QString& v : values) {
      store.save("x", "y", "named", v);
      QCOMPARE(store.get("x", "y", "named", "default"), v);
    }
    store.save("x", "y", "loc", "/home");
    QCOMPARE(store.get("x", "y", "Loc", "none"), QString("none"));  // keys are case-sensitive
    QCOMPARE(store.get("x", "Y", "loc", "none"), QString("none"));
    QCOMPARE(store.get("other", "y", "loc", "none"), QString("none"));  // one file per application
    QVERIFY(QFile::exists(dir.path() + "/quorrel/x.conf"));
    IniSettingsStore again(dir.path() + "/quorrel");
    QCOMPARE(again.get("x", "y", "loc", "/"), QString("/home"));
  }

  void badSettingsFilesGiveDefaults() {
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + "/q");
    {
      std::ofstream garbage((dir.path() + "/q/x.conf").toStdString(), std::ios::binary);
      garbage << "\x00\xff\xfe[[[y\n=\n\x01named=\"unterminated\n" << std::string(1000, '\0');
    }
    IniSettingsStore store(dir.path() + "/q");
    QCOMPARE(store.get("x", "y", "named", "d"), QString("d"));  // nothing readable there
    {
      std::ofstream handEdited((dir.path() + "/q/h.conf").toStdString());
      handEdited << "[y]\nnamed=a, b\nloc=@Invalid()\n";
    }
    QCOMPARE(store.get("h", "y", "named", "d"), QString("a, b"));
    QCOMPARE(store.get("h", "y", "loc", "d"), QString("d"));
    // A store whose folder is a file: writes fail quietly, reads give defaults.
    QFile blocker(dir.path() + "/blocked");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    IniSettingsStore blocked(dir.path() + "/blocked");
    blocked.save("x", "y", "named", "v");
    QCOMPARE(blocked.get("x", "y", "named", "d"), QString("d"));
  }

  // What is written stays readable; a store that cannot write says nothing
  // and loses nothing it had.
  void settingsFilesInTheWay() {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/q";
    {
      IniSettingsStore store(folder);
      store.save("x", "y", "named", "kept");
    }
    // Read-only file, and a folder that cannot be written to.
    QFile::setPermissions(folder + "/x.conf", QFile::ReadOwner);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    IniSettingsStore readOnly(folder);
    readOnly.save("x", "y", "loc", "/lost");
    QCOMPARE(readOnly.get("x", "y", "named", "d"), QString("kept"));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(folder + "/x.conf", QFile::ReadOwner | QFile::WriteOwner);
    // A folder where the file should be.
    QVERIFY(QDir().mkpath(folder + "/folder.conf"));
    IniSettingsStore store(folder);
    store.save("folder", "y", "named", "v");
    QCOMPARE(store.get("folder", "y", "named", "d"), QString("d"));
    // A huge file: read (once), its values found, a write added to it.
    {
      QFile big(folder + "/big.conf");
      QVERIFY(big.open(QIODevice::WriteOnly));
      big.write("[y]\nnamed=inside\n");
      const QByteArray filler = QByteArray("[pad]\n") + QByteArray(64, 'k') + "=v\n";
      for (int i = 0; i < 20000; ++i) big.write(filler);
    }
    QCOMPARE(store.get("big", "y", "named", "d"), QString("inside"));
    store.save("big", "y", "loc", "/b");
    QCOMPARE(IniSettingsStore(folder).get("big", "y", "loc", "d"), QString("/b"));
    QCOMPARE(IniSettingsStore(folder).get("big", "y", "named", "d"), QString("inside"));
  }

  // Without XDG_CONFIG_HOME, or with a relative one, settings go under the
  // home folder's .config.
  void configurationFolderFromTheEnvironment() {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    for (const char* config : {"", "relative/config"}) {
      if (*config) qputenv("XDG_CONFIG_HOME", config);
      else qunsetenv("XDG_CONFIG_HOME");
      QFile::remove(home.path() + "/.config/quorrel/x.conf");
      IniSettingsStore store;
      store.save("x", "y", "named", config);
      QCOMPARE(IniSettingsStore().get("x", "y", "named", "d"), QString(config));
      QVERIFY(QFile::exists(home.path() + "/.config/quorrel/x.conf"));
    }
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
  }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
