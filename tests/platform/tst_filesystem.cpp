// SPDX-License-Identifier: GPL-3.0-or-later
// The file-system services over real trees: what a directory read reports,
// which folders are entered (and which never, however they are reached), how
// links are looked up, and when reading ahead starts.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <deque>
#include <fstream>
#include <thread>

#include "platform/core/LinuxFileSystem.h"
#include "platform/core/MountTable.h"
#include "support/TempTree.h"

namespace {
struct Recorded final : DirectoryEntries {
  Names folders, files, links, unreadable;
  void addFolder(std::string_view n) override { folders.emplace_back(n); }
  void addFile(std::string_view n, bool isLink) override { (isLink ? links : files).emplace_back(n); }
  void addUnreadable(std::string_view n, FsOutcome) override { unreadable.emplace_back(n); }
  void sort() {
    for (Names* list : {&folders, &files, &links}) std::sort(list->begin(), list->end());
  }
};

// A writer waiting in its open of a FIFO for a reader, as a program on the
// other end of a pipe would: whether anything has opened the FIFO to read.
struct WaitingWriter {
  std::string fifo;
  std::atomic<pid_t> thread{0};
  std::thread writer{[this] {
    thread = ::gettid();
    ::close(::open(fifo.c_str(), O_WRONLY | O_CLOEXEC));  // until a reader comes
  }};
  // Still in that open, by the system call the kernel says it sleeps in.
  bool waiting() const {
    long call = -1;
    std::ifstream("/proc/self/task/" + std::to_string(thread) + "/syscall") >> call;
    return call == SYS_openat;
  }
  ~WaitingWriter() {
    ::close(::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    writer.join();
  }
};

// One search's view of the file system, from a start folder.
struct Search {
  LinuxFileSystem fs;
  SearchRoot root;
  OpenFolder folder;
  explicit Search(const std::string& start) { QCOMPARE(fs.beginSearch(start, root), FsOutcome::Ok); }
  FsOutcome enter(const std::string& path, Recorded& into) {
    const FsOutcome outcome = fs.enter(root, path, folder, into);
    into.sort();
    return outcome;
  }
};

// The clock directory reads are timed with: the real one, running `stretch`
// times as fast (a slower processor), with its next `holdUp` calls held up
// (a disk, or a thread that lost its core).
struct ReadClock {
  static inline std::atomic<int> stretch{1};
  static inline std::atomic<int> holdUp{0};
  static ColdReads::Clock::time_point now() {
    if (holdUp > 0 && holdUp-- > 0) std::this_thread::sleep_for(std::chrono::microseconds(300));
    return ColdReads::Clock::time_point(ColdReads::Clock::now().time_since_epoch() * stretch.load());
  }
};
}  // namespace

class FileSystemTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  // A read lists visible folders, regular files and links; a link is looked
  // up only once its name matches, for its target's size. The start folder
  // may be reached through a link; a path not below it is never entered.
  void readsVisibleEntriesAndLinksToRegularFilesOnly() {
    TempTree t;
    t.link("alias", ".");
    t.file("plain.txt", std::string(3000, 'x'));
    t.file(".hidden.txt");
    t.folder(".hiddendir");
    t.folder("Sub");
    t.fifo("pipe");
    ::mknod(t.path("device").c_str(), S_IFCHR | 0600, makedev(1, 3));  // where allowed (root)
    t.link("to-file", "plain.txt");
    t.link("to-pipe", "pipe");
    Search s(t.path("alias"));
    Recorded r, sub;
    QCOMPARE(s.enter(t.path("alias"), r), FsOutcome::Ok);
    QCOMPARE(r.folders, (Names{"Sub"}));
    QCOMPARE(r.files, (Names{"plain.txt"}));
    QCOMPARE(r.links, (Names{"alias", "to-file", "to-pipe"}));
    // Only a regular file is ever opened to be read: a name that is (or has
    // become since it was listed) a FIFO or a device is not, by link or not.
    const WaitingWriter writer{t.path("pipe")};
    QTRY_VERIFY(writer.waiting());
    FileReader reader;
    for (const char* name : {"to-pipe", "pipe"})
      QCOMPARE(s.fs.openFile(s.root, s.folder, name, reader), FsOutcome::NotListed);
    QVERIFY(writer.waiting());
    QCOMPARE(s.fs.openFile(s.root, s.folder, "to-file", reader), FsOutcome::Ok);
    FileFacts facts;
    QCOMPARE(s.fs.fileDetails(s.root, s.folder, "to-file", true, FileTime::Modified, facts), FsOutcome::Ok);
    QCOMPARE(facts.size, 3000);
    t.remove("plain.txt");
    QCOMPARE(s.fs.fileDetails(s.root, s.folder, "plain.txt", false, FileTime::Modified, facts),
             FsOutcome::Vanished);  // since it was listed
    QCOMPARE(s.enter("/etc", sub), FsOutcome::Unreadable);
    QCOMPARE(s.enter(t.path("alias") + "x", sub), FsOutcome::Unreadable);
    QCOMPARE(s.enter(t.path("alias/Sub"), sub), FsOutcome::Ok);
  }

  // The kernel's interface file systems are never entered, however the path
  // to them is spelled; started in, they list nothing.
  void interfaceFileSystemsAreNeverEntered() {
    // What is mounted there, not what usually is: in a container or a chroot /sys may be a plain folder.
    const auto interface = [mounts = MountTable::read().interfaceMounts()](const std::string& point) {
      return std::any_of(mounts.begin(), mounts.end(), [&](const MountTable::Mount& m) { return m.point == point; });
    };
    for (const std::string start : {"/", "//", "/./", "/usr/..", "/proc", "/sys"}) {
      const bool root = start != "/proc" && start != "/sys", listed = root || !interface(start);
      Search s(start);
      Recorded r;
      QCOMPARE(s.enter(start, r), listed ? FsOutcome::Ok : FsOutcome::NotListed);
      QVERIFY2(std::count(r.folders.begin(), r.folders.end(), "usr") == root && (r.files.empty() || listed),
               start.c_str());
      for (const std::string never : {"/proc", "/sys"})
        QVERIFY2(!interface(never) || !std::count(r.folders.begin(), r.folders.end(), never.substr(1)), never.c_str());
    }
  }

  void mountTableFixture() {
    const std::string info = "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                             "23 22 0:22 / /proc rw - proc proc rw\n"
                             "24 22 0:23 / /sys rw - sysfs sysfs rw\n"
                             "25 24 0:24 / /sys/fs/cgroup rw - tmpfs tmpfs rw\n"
                             "35 25 0:36 / /sys/fs/cgroup/unified rw - cgroup2 cgroup2 rw\n"
                             "26 22 0:5 / /dev rw - devtmpfs udev rw\n"
                             "27 26 0:25 / /dev/pts rw - devpts devpts rw\n"
                             "28 26 0:26 / /dev/shm rw - tmpfs tmpfs rw\n"
                             "29 22 0:27 / /tmp rw - tmpfs tmpfs rw\n"
                             "31 22 8:17 / /media/usb\\040stick rw - vfat /dev/sdb1 rw\n"
                             "32 22 0:33 / /mnt/share rw shared:1 - nfs4 srv:/x rw\n"
                             "33 22 0:34 / /mnt/share rw - autofs systemd-1 rw\n"
                             "34 22 0:35 / /var/lib/docker/overlay2/m rw - overlay overlay rw\n"
                             "garbage line\n"
                             "36 22 0:37 / /mnt/nas rw - nfs nas:/x rw\n"
                             "37 22 0:38 / /home/u/remote rw - fuse.sshfs u@h: rw\n"
                             "38 22 8:1 /etc/hostname /etc/hostname rw - ext4 /dev/sda1 rw\n"
                             "39 36 8:2 / /mnt/nas/disk rw - ext4 /dev/sda2 rw\n"
                             "40 22 0:39 / /net rw - autofs /etc/auto.net rw\n"
                             "41 40 0:40 / /net/h/x rw - nfs4 h:/x rw\n";
    const MountTable t = MountTable::parse(info);
    // Only local mounts are asked what they are: a dead share or daemon
    // would hold the window for ever.
    Names asked;
    const auto isFolder = [&](const std::string& p) { return asked.push_back(p), p != "/etc/hostname"; };
    QCOMPARE(t.locations(isFolder), (Names{"/", "/dev/shm", "/home/u/remote", "/media/usb stick", "/mnt/nas",
                                           "/mnt/nas/disk", "/tmp", "/var/lib/docker/overlay2/m"}));
    QCOMPARE(asked, (Names{"/dev/shm", "/etc/hostname", "/media/usb stick", "/tmp", "/var/lib/docker/overlay2/m"}));
    Names skipped;
    for (const MountTable::Mount& m : t.interfaceMounts()) skipped.push_back(m.point);
    // The later mount hides the share.
    QCOMPARE(skipped, (Names{"/dev/pts", "/mnt/share", "/net", "/proc", "/sys", "/sys/fs/cgroup/unified"}));
    QCOMPARE(t.interfaceMounts()[3].device, makedev(0, 22));
  }

  // Never for a slower processor, nor for one so busy that a read is held up
  // now and then; for a disk, the workers then read folders ahead of the walk.
  void readAheadStartsForReadsFromADiskOnly() {
    // The clock's stretch, a hold-up every so many folder reads, and whether the workers start.
    for (const auto& [stretch, heldUpEvery, starts] : {std::tuple{1, 1, true}, {10, 0, false}, {1, 4, false}}) {
      TempTree t;
      for (int i = 0; i < 60; ++i) t.folder("f" + std::to_string(i));
      Search s(t.root());
      ReadAheadHooks& hooks = s.fs.readAheadHooks();
      hooks.now = ReadClock::now;
      ReadClock::stretch = stretch;
      const std::unique_ptr<ReadAhead> ahead = s.fs.makeReadAhead(4, ReadAhead::When::Cold);
      ahead->begin(s.root);
      std::deque<std::string> queue{t.root()};  // as the walk goes: breadth-first
      for (int n = 0; !queue.empty(); ++n) {
        ReadClock::holdUp = heldUpEvery && n % heldUpEvery == heldUpEvery - 1 ? 2 : 0;  // its first system call
        Recorded r;
        ahead->entering();
        QCOMPARE(s.enter(queue.front(), r), FsOutcome::Ok);
        const bool began = ahead->entered();
        if (began) ahead->backlog(queue);
        if (began) QTRY_VERIFY(hooks.tally->folders > 0);  // the workers read what is ahead
        queue.pop_front();
        for (const std::string& name : r.folders) ahead->queued(queue.emplace_back(t.path(name)));
      }
      QVERIFY2((hooks.tally->workers > 0) == starts,
               qPrintable(QString("stretch %1, held up every %2").arg(stretch).arg(heldUpEvery)));
    }
  }
};

QTEST_GUILESS_MAIN(FileSystemTest)
#include "tst_filesystem.moc"
