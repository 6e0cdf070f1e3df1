// Folder and file listings over real trees: what is listed, in which order,
// and what is never listed.
#include <QtTest>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "platform/LinuxFileSystem.h"
#include "platform/ListingPattern.h"
#include "platform/MountTable.h"
#include "platform/NameOrder.h"
#include "support/TempTree.h"

namespace {
std::vector<std::string> folderNames(const FolderListing& dirx) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < dirx.count(); ++i) out.emplace_back(dirx.name(i));
  return out;
}

// The names a search would see: links resolved, the non-files dropped.
std::vector<std::string> fileNames(LinuxFileSystem& fs, const FileListing& flx) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < flx.count(); ++i) {
    std::int64_t size = 0;
    if (fs.fileDetails(flx, i, size) == FsOutcome::Ok) out.emplace_back(flx.name(i));
  }
  return out;
}

using Names = std::vector<std::string>;
}  // namespace

class ListingTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void listsOnlyVisibleRegularFilesAndRealFolders() {
    TempTree t;
    t.file("plain.txt", "abc");
    t.file(".hidden.txt");
    t.folder(".hiddendir");
    t.folder("Sub");
    t.fifo("pipe");
    t.socket("sock");
    t.link("to-file", "plain.txt");
    t.link("to-dir", "Sub");
    t.link("dangling", "nowhere");
    t.link("to-device", "/dev/null");
    ::mknod(t.path("device").c_str(), S_IFCHR | 0600, makedev(1, 3));  // where allowed (root)
    t.link("loop1", "loop2");
    t.link("loop2", "loop1");
    LinuxFileSystem fs;
    fs.beginSearch();
    FolderListing dirx;
    FileListing flx;
    QCOMPARE(fs.enter(t.root(), dirx, flx), FsOutcome::Ok);
    QCOMPARE(folderNames(dirx), (Names{"Sub"}));
    QCOMPARE(fileNames(fs, flx), (Names{"plain.txt", "to-file"}));
    QCOMPARE(dirx.folderPath(0), t.path("Sub"));
  }

  void linkSizeIsTheTargetsAndHiddenFolderCanBeEntered() {
    TempTree t;
    t.folder(".config");
    t.file(".config/inside", std::string(3000, 'x'));
    t.link(".config/alias", "inside");
    LinuxFileSystem fs;
    fs.beginSearch();
    FolderListing dirx;
    FileListing flx;
    QCOMPARE(fs.enter(t.path(".config"), dirx, flx), FsOutcome::Ok);  // named by the user: fine
    QCOMPARE(flx.count(), std::size_t(2));
    std::int64_t size = 0;
    QCOMPARE(fs.fileDetails(flx, 0, size), FsOutcome::Ok);
    QCOMPARE(size, 3000);
    QCOMPARE(flx.kind(0), FileListing::Link);
  }

  void orderIsCaseInsensitiveThenByBytes() {
    TempTree t;
    for (const char* n : {"b", "A", "a", "B", "c10", "C2", "\xc3\xa9t\xc3\xa9", "\xc3\x89T\xc3\x89", "zz"})
      t.file(n);
    for (const char* n : {"beta", "Alpha", "alpha"}) t.folder(n);
    LinuxFileSystem fs;
    FolderListing dirx;
    FileListing flx;
    QCOMPARE(fs.enter(t.root(), dirx, flx), FsOutcome::Ok);
    QCOMPARE(fileNames(fs, flx), (Names{"A", "a", "B", "b", "c10", "C2", "zz", "\xc3\x89T\xc3\x89", "\xc3\xa9t\xc3\xa9"}));
    QCOMPARE(folderNames(dirx), (Names{"Alpha", "alpha", "beta"}));
    QVERIFY(NameOrder::less("abc", "ABD"));
    QVERIFY(!NameOrder::less("x", "x"));
  }

  void patternFiltersTheFileListingOnly() {
    TempTree t;
    for (const char* n : {"tone.mid", "song.MP3", "SONG.mp3", "noext", "a.jpe", "a.jpeg", "a.jpg"}) t.file(n);
    t.folder("music.mid.d");
    LinuxFileSystem fs;
    FolderListing dirx;
    FileListing flx;
    flx.setPattern(ListingPattern("*.mid;*.mid;*.mp3"));
    QCOMPARE(fs.enter(t.root(), dirx, flx), FsOutcome::Ok);
    QCOMPARE(fileNames(fs, flx), (Names{"SONG.mp3", "song.MP3", "tone.mid"}));
    QCOMPARE(folderNames(dirx), (Names{"music.mid.d"}));
    flx.setPattern(ListingPattern("*.JPEG;*.JPG"));
    QCOMPARE(fs.enter(t.root(), dirx, flx), FsOutcome::Ok);
    QCOMPARE(fileNames(fs, flx), (Names{"a.jpeg", "a.jpg"}));
  }

  void patternElements_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("admitted");
    QTest::newRow("star-dot-star takes names without a dot") << "*.*" << "Makefile" << true;
    QTest::newRow("case ignored") << "*.MP3" << "x.mp3" << true;
    QTest::newRow("whole name") << "*.xl" << "old.xls" << false;
    QTest::newRow("short element") << "*.XL;*.XLS" << "old.xl" << true;
    QTest::newRow("inner stars") << "a*b*c" << "aXXbYYc" << true;
    QTest::newRow("inner stars fail") << "a*b*c" << "aXXcYYb" << false;
    QTest::newRow("literal element") << "exact.TXT" << "EXACT.txt" << true;
    QTest::newRow("literal element fails") << "exact.txt" << "exact.txt.bak" << false;
    QTest::newRow("dot is literal") << "*.c" << "abc" << false;
    QTest::newRow("empty elements skipped") << ";;*.c;" << "x.C" << true;
  }
  void patternElements() {
    QFETCH(QString, pattern);
    QFETCH(QString, name);
    QFETCH(bool, admitted);
    QCOMPARE(ListingPattern(pattern.toStdString()).matches(name.toStdString()), admitted);
  }

  void unenterableFolders() {
    TempTree t;
    t.file("f");
    LinuxFileSystem fs;
    FolderListing dirx;
    FileListing flx;
    QCOMPARE(fs.enter(t.path("missing"), dirx, flx), FsOutcome::Unreadable);
    QCOMPARE(fs.enter(t.path("f"), dirx, flx), FsOutcome::Unreadable);
    QCOMPARE(fs.enter(std::string("a\0b", 3), dirx, flx), FsOutcome::Unreadable);
    QCOMPARE(dirx.count() + flx.count(), std::size_t(0));
  }

  void vanishedFileIsUnreadableAtLookUp() {
    TempTree t;
    t.file("gone.txt");
    LinuxFileSystem fs;
    FolderListing dirx;
    FileListing flx;
    QCOMPARE(fs.enter(t.root(), dirx, flx), FsOutcome::Ok);
    t.remove("gone.txt");
    std::int64_t size = 0;
    QCOMPARE(fs.fileDetails(flx, 0, size), FsOutcome::Unreadable);
  }

  void mountTableParsing() {
    const std::string info =
        "22 1 0:21 / / rw - overlay overlay rw\n"
        "23 22 0:22 / /proc rw - proc proc rw\n"
        "24 22 0:23 / /sys rw - sysfs sysfs rw\n"
        "25 22 8:1 / /media/usb\\040stick rw - vfat /dev/sdb1 rw\n"
        "26 22 0:30 / /home rw - ext4 /dev/sda2 rw\n"
        "27 22 0:31 / /var/lib/docker/x rw - overlay overlay rw\n"
        "28 22 0:32 / /mnt/share rw shared:1 - nfs4 srv:/x rw\n"
        "29 22 0:33 / /tmp rw - tmpfs tmpfs rw\n"
        "30 22 0:34 / /mnt/share rw - tmpfs tmpfs rw\n"
        "garbage line\n";
    const MountTable t = MountTable::parse(info);
    QCOMPARE(t.realMountPoints(), (Names{"/", "/home", "/media/usb stick"}));
    QVERIFY(t.isPseudo("/proc") && t.isPseudo("/tmp") && t.isPseudo("/var/lib/docker/x"));
    QVERIFY(t.isPseudo("/mnt/share"));  // the later mount hides the share
    QVERIFY(t.hasPseudoChild("/") && t.hasPseudoChild("/mnt") && !t.hasPseudoChild("/home"));
  }
};

QTEST_GUILESS_MAIN(ListingTest)
#include "tst_listing.moc"
