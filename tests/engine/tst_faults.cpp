// What goes wrong on real disks, made to happen: a tree changed by another
// process while it is searched, every byte in a name, link knots, special
// start folders, huge and deep trees, permissions as an unprivileged user,
// and a search cancelled and restarted at random.
#include <QtTest>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <set>

#include "engine/DisplayText.h"
#include "support/OpenHandles.h"
#include "support/TempTree.h"
#include "support/WalkRig.h"

namespace {
using Names = std::vector<std::string>;

// The paths of a search's results, as one set.
std::set<std::string> paths(const WalkRig& rig) {
  std::set<std::string> out;
  for (std::size_t r = 0; r < rig.lv.size(); ++r) {
    const std::string folder = rig.lv.folder(r);
    out.insert(folder + (folder.back() == '/' ? "" : "/") + std::string(rig.lv.name(r)));
  }
  return out;
}

// What find lists, as the same user: every file, links to files, nothing hidden.
std::set<std::string> found(const std::string& root, const char* user = nullptr) {
  std::string command = std::string(user ? "setpriv --reuid=" + std::string(user) + " --regid=nogroup --clear-groups " : "") +
                        "find '" + root + "' -xtype f -not -path '*/.*' -print0 2>/dev/null";
  std::set<std::string> out;
  FILE* pipe = ::popen(command.c_str(), "r");
  std::string path;
  for (int c; (c = std::fgetc(pipe)) != EOF;) {
    if (c == 0) {
      out.insert(path);
      path.clear();
    } else {
      path.push_back(char(c));
    }
  }
  ::pclose(pipe);
  return out;
}

bool onInterface(const std::string& folder) {
  struct statfs fs;
  if (::statfs(folder.c_str(), &fs) != 0) return false;
  const long kind = long(fs.f_type);
  return kind == 0x9fa0 /* proc */ || kind == 0x62656572 /* sysfs */ || kind == 0x1cd1 /* devpts */ ||
         kind == 0x63677270 /* cgroup2 */ || kind == 0x27e0eb /* cgroup */ || kind == 0x64626720 /* debugfs */;
}
}  // namespace

class FaultsTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  // Another process creates, deletes and renames folders and swaps files for
  // FIFOs, links and folders while the tree is searched, names and contents
  // alike: every search ends, lists nothing twice and nothing outside.
  void treeChangedByAnotherProcess() {
    TempTree t, outside;
    outside.file("secret.txt", "abc");
    for (int i = 0; i < 20; ++i) {
      t.folder("d" + std::to_string(i) + "/e");
      t.file("d" + std::to_string(i) + "/f.txt", "abc");
    }
    const pid_t mutator = ::fork();
    if (mutator == 0) {
      std::mt19937 random(3);
      for (int step = 0; step < 20000; ++step) {
        const std::string d = t.path("d" + std::to_string(random() % 20));
        const std::string f = d + "/f.txt";
        switch (random() % 6) {
          case 0: ::rename(d.c_str(), (d + "x").c_str()); ::rename((d + "x").c_str(), d.c_str()); break;
          case 1: ::unlink(f.c_str()); ::mkfifo(f.c_str(), 0644); break;
          case 2: ::unlink(f.c_str()); ::rmdir(f.c_str()); ::symlink(outside.path("secret.txt").c_str(), f.c_str()); break;
          case 3: ::unlink(f.c_str()); ::mkdir(f.c_str(), 0755); break;
          case 4: ::rmdir(f.c_str()); ::unlink(f.c_str()); ::close(::open(f.c_str(), O_CREAT | O_WRONLY, 0644)); break;
          case 5: ::rename((d + "/e").c_str(), (d + "/e2").c_str()); ::symlink("/", (d + "/e").c_str());
                  ::unlink((d + "/e").c_str()); ::rename((d + "/e2").c_str(), (d + "/e").c_str()); break;
        }
      }
      ::_exit(0);
    }
    int searches = 0;
    for (int status = 0; ::waitpid(mutator, &status, WNOHANG) == 0; ++searches) {
      WalkRig rig(t.root());
      rig.contains = "abc";
      rig.walk->setContentTest(searches % 2 == 1);
      rig.run();
      QVERIFY(rig.stop);
      const std::set<std::string> listed = paths(rig);
      QCOMPARE(listed.size(), rig.lv.size());  // nothing twice
      for (const std::string& p : listed) QVERIFY2(p.rfind(t.root() + "/", 0) == 0, p.c_str());
    }
    QVERIFY(searches > 0);
  }

  // Every byte but "/" in a name: found, shown with nothing hidden, kept exact.
  void everyByteInANameAndTheLongestNames() {
    TempTree t;
    Names made;
    for (int b = 1; b < 256; ++b) {
      if (b == '/') continue;
      made.push_back(std::string("n") + char(b) + "z");
      t.file(made.back());
    }
    made.push_back("n" + std::string(254, 'L'));  // 255 bytes
    t.file(made.back());
    WalkRig rig(t.root());
    rig.name = "n";
    rig.run();
    QCOMPARE(rig.lv.size(), made.size());
    std::set<std::string> names;
    for (std::size_t r = 0; r < rig.lv.size(); ++r) {
      names.emplace(rig.lv.name(r));
      for (char32_t c : DisplayText::fromBytes(rig.lv.name(r)).toStdU32String()) QVERIFY(!DisplayText::isHidden(c));
    }
    QCOMPARE(names, std::set<std::string>(made.begin(), made.end()));
  }

  void linkKnots() {
    TempTree t;
    t.folder("a/b");
    t.link("a/b/up", "../..");
    t.link("x", "y");
    t.link("y", "x");
    t.link("s", "s");
    t.link("root", "/");
    t.link("proc", "/proc");
    t.link("kcore", "/proc/self/status");
    t.fifo("pipe");
    t.link("to-pipe", "pipe");
    t.link("to-null", "/dev/null");
    t.file("a/b/real.txt");
    t.link("to-real", "a/b/real.txt");
    WalkRig rig(t.root());
    rig.run();
    QCOMPARE(rig.names(), (Names{"to-real", "real.txt"}));
  }

  // Start folders that are special: each search ends and never lists a file
  // of a kernel interface.
  void specialStartFolders() {
    TempTree t;
    t.folder("sub");
    t.file("sub/f.txt");
    const std::string cwd = QDir::currentPath().toStdString();
    QVERIFY(::chdir(t.root().c_str()) == 0);
    for (const std::string& start : {std::string("/proc"), std::string("/sys"), std::string("/dev"),
                                     std::string("/usr/.."), std::string("."), t.root() + "/"}) {
      WalkRig rig(start);
      rig.name = "f.txt";
      rig.run();
      QVERIFY(rig.stop);
      for (std::size_t r = 0; r < rig.lv.size(); ++r) QVERIFY2(!onInterface(rig.lv.folder(r)), rig.lv.folder(r).c_str());
      if (start == "." || start == t.root() + "/") QCOMPARE(rig.names(), Names{"f.txt"});
    }
    QVERIFY(::chdir(cwd.c_str()) == 0);
  }

  // A folder of 200,000 files and a chain 5,000 folders deep, with files
  // planted along it: everything find finds, and nothing else.
  void hugeAndDeepTrees() {
    TempTree t;
    t.folder("wide");
    const int wide = ::open(t.path("wide").c_str(), O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < 200000; ++i) ::close(::openat(wide, ("f" + std::to_string(i)).c_str(), O_CREAT | O_WRONLY, 0644));
    ::close(wide);
    int deep = ::open(t.root().c_str(), O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < 5000; ++i) {
      QCOMPARE(::mkdirat(deep, "d", 0755), 0);
      const int next = ::openat(deep, "d", O_RDONLY | O_DIRECTORY);
      ::close(deep);
      deep = next;
      if (i % 500 == 499) ::close(::openat(deep, ("planted" + std::to_string(i)).c_str(), O_CREAT | O_WRONLY, 0644));
    }
    ::close(deep);
    WalkRig rig(t.root());
    rig.run();
    const std::set<std::string> listed = paths(rig);
    QCOMPARE(listed.size(), std::size_t(200000 + 10));
    // find cannot give paths this long; it agrees on everything it can list.
    std::set<std::string> shallow;
    for (const std::string& p : listed)
      if (p.size() < 4000) shallow.insert(p);
    std::set<std::string> theirs;
    for (const std::string& p : found(t.root()))
      if (p.size() < 4000) theirs.insert(p);
    QCOMPARE(shallow, theirs);
    QCOMPARE(rig.walk->unreadable().total(), 0);
  }

  // As an unprivileged user: folders and files it may not read, folders it
  // may enter but not list and the reverse. The same as find, as that user.
  void permissionsAsAnUnprivilegedUser() {
    if (::geteuid() != 0) QSKIP("needs root to become another user");
    TempTree t;
    ::chmod(t.root().c_str(), 0755);
    for (const char* f : {"open/a.txt", "closed/b.txt", "enter-only/c.txt", "list-only/d.txt", "locked.txt"}) {
      t.folder(QFileInfo(QString(f)).path().toStdString() == "." ? "" : QFileInfo(QString(f)).path().toStdString());
      t.file(f);
    }
    ::chmod(t.path("closed").c_str(), 0);
    ::chmod(t.path("enter-only").c_str(), 0711);
    ::chmod(t.path("list-only").c_str(), 0744);
    ::chmod(t.path("locked.txt").c_str(), 0);
    const std::set<std::string> theirs = found(t.root(), "nobody");
    QVERIFY(theirs.count(t.path("open/a.txt")) && !theirs.count(t.path("closed/b.txt")));
    int pipe[2];
    QCOMPARE(::pipe(pipe), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(pipe[0]);
      if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
      WalkRig rig(t.root());
      rig.run();
      for (const std::string& p : paths(rig)) {
        const std::string line = p + '\n';
        if (::write(pipe[1], line.data(), line.size()) < 0) ::_exit(4);
      }
      ::_exit(rig.walk->unreadable().folders() >= 1 ? 0 : 5);
    }
    ::close(pipe[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;) text.append(buffer, std::size_t(n));
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    std::set<std::string> ours;
    for (const QString& line : QString::fromStdString(text).split('\n', Qt::SkipEmptyParts)) ours.insert(line.toStdString());
    QCOMPARE(ours, theirs);
    ::chmod(t.path("closed").c_str(), 0755);
  }

  // Cancelled and restarted at random yields, a hundred times; then a full
  // search lists exactly what a fresh one does.
  void cancelAndRestartAtRandom() {
    TempTree t;
    for (int i = 0; i < 30; ++i) {
      const std::string folder = "d" + std::to_string(i % 6) + "/e" + std::to_string(i % 4);
      t.folder(folder);
      t.file(folder + "/f" + std::to_string(i));
    }
    WalkRig fresh(t.root());
    fresh.run();
    const std::set<std::string> all = paths(fresh);
    WalkRig rig(t.root());
    std::mt19937 random(11);
    int restarts = 0;
    rig.onYield = [&](int) {
      if (restarts >= 100 || random() % 7 != 0) return;
      ++restarts;
      rig.walk->emptyQueue();
      if (random() % 2) rig.stop = true;  // a Stop
      else rig.walk->start(t.root());     // a new Find inside the yield
    };
    while (restarts < 100) rig.run();
    rig.onYield = nullptr;
    rig.run();
    QCOMPARE(paths(rig), all);
  }

  void fileTruncatedWhileItIsRead() {
    TempTree t;
    t.file("shrinking.txt", std::string(4 << 20, 'z') + "needle");
    WalkRig rig(t.root());
    rig.contains = "needle";
    rig.walk->setContentTest(true);
    rig.onYield = [&](int n) {
      if (n == 3) QCOMPARE(::truncate(t.path("shrinking.txt").c_str(), 100), 0);
    };
    const int handles = openHandles();
    rig.run();
    QCOMPARE(rig.lv.size(), std::size_t(0));
    QTRY_COMPARE_WITH_TIMEOUT(openHandles(), handles, 2000);
  }
};

QTEST_GUILESS_MAIN(FaultsTest)
#include "tst_faults.moc"
