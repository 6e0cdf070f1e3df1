// Settings store, icons, drives and the small file-system services.
#include <QtTest>
#include <fstream>

#include "platform/IniSettingsStore.h"
#include "platform/LinuxFileSystem.h"
#include "platform/MountTable.h"
#include "platform/ThemeIconSource.h"
#include "support/TempTree.h"

class PlatformServicesTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void folderExistsAndFileSize() {
    TempTree t;
    t.folder("d");
    t.file("f", "x");
    t.link("dl", "d");
    t.sparse("big", 50'000'000);
    LinuxFileSystem fs;
    QVERIFY(fs.folderExists(t.path("d")));
    QVERIFY(fs.folderExists(t.path("dl")));
    QVERIFY(!fs.folderExists(t.path("f")));
    QVERIFY(!fs.folderExists(""));
    QVERIFY(!fs.folderExists(t.path("nope")));
    QVERIFY(!fs.folderExists(t.path("d") + std::string("\0x", 2)));
    std::int64_t size = -1;
    QCOMPARE(fs.fileSize(t.path("big"), size), FsOutcome::Ok);
    QCOMPARE(size, 50'000'000);
    QCOMPARE(fs.fileSize(t.path("nope"), size), FsOutcome::Unreadable);
    QCOMPARE(fs.fileSize(t.path("d"), size), FsOutcome::NotListed);
  }

  void drivesStartAtRootAndAreRealFolders() {
    LinuxFileSystem fs;
    const std::vector<std::string> drives = fs.drives();
    QVERIFY(!drives.empty());
    QCOMPARE(drives.front(), std::string("/"));
    const MountTable mounts = MountTable::read();
    for (const std::string& d : drives) QVERIFY2(!mounts.isPseudo(d), d.c_str());
    QVERIFY(std::find(drives.begin(), drives.end(), "/proc") == drives.end());
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
    (void)store.get("x", "y", "named", "d");  // whatever it reads, it must not crash
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

  void iconsAreCachedPerType() {
    ThemeIconSource icons;
    QCOMPARE(icons.count(), 2);  // the blank and the folder image
    QVERIFY(!icons.image(IconSource::kFolder).value<QIcon>().isNull());
    const int txt = icons.iconIndex("notes.txt");
    QCOMPARE(icons.iconIndex("OTHER.TXT"), txt);
    const int afterTxt = icons.count();
    for (int i = 0; i < 100; ++i) QCOMPARE(icons.iconIndex("file" + std::to_string(i) + ".txt"), txt);
    QCOMPARE(icons.count(), afterTxt);
    QVERIFY(txt > IconSource::kFolder);  // the theme has a text icon
    QVERIFY(icons.iconIndex("photo.png") != txt);
    const int unknown = icons.iconIndex("data.zzqqx");  // no such type: the generic file icon
    QVERIFY(unknown != IconSource::kBlank);
    QVERIFY(!icons.image(unknown).value<QIcon>().isNull());
    QCOMPARE(icons.image(-5).value<QIcon>().cacheKey(), icons.image(IconSource::kBlank).value<QIcon>().cacheKey());
    QVERIFY(icons.iconIndex("\xff\xfe.\xe9") >= 0);  // not UTF-8: still an image
    // Endless one-off extensions: past the bound they share the no-extension image.
    for (std::size_t i = 0; i < ThemeIconSource::kMostExtensions + 10; ++i)
      QVERIFY(icons.iconIndex("f.x" + std::to_string(i) + "q") >= 0);
    QCOMPARE(icons.iconIndex("late.zzz9q"), icons.iconIndex("noextension"));
  }
};

QTEST_MAIN(PlatformServicesTest)
#include "tst_platformservices.moc"
