// SPDX-License-Identifier: GPL-3.0-or-later
// What goes wrong on real disks, made to happen: every byte in a name, link
// knots, big folders and paths longer than the system takes, special start
// folders, permissions as an unprivileged user.
#include <QProcess>
#include <QtTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <set>
#include <utility>

#include "engine/DisplayText.h"
#include "platform/core/PathName.h"
#include "support/OpenHandles.h"
#include "support/TempTree.h"
#include "support/WalkRig.h"

namespace {
using Paths = std::set<std::string>;

Paths paths(const WalkRig& rig) {
  Paths out;
  for (std::size_t r = 0; r < rig.results.size(); ++r)
    out.insert(PathName::join(rig.results.folder(r), rig.results.name(r)));
  return out;
}

// What find lists, as the same user: every file, links to files, nothing hidden.
Paths found(const std::string& root, const char* user = nullptr) {
  const std::string as = user ? "setpriv --reuid=" + std::string(user) + " --regid=nogroup --clear-groups " : "";
  const std::string command = as + "find '" + root + "' -xtype f -not -path '*/.*' -print0 2>/dev/null";
  Paths out;
  std::string path;
  FILE* pipe = ::popen(command.c_str(), "r");
  for (int c; (c = std::fgetc(pipe)) != EOF;) {
    if (c) path.push_back(char(c));
    else out.insert(std::exchange(path, {}));
  }
  ::pclose(pipe);
  return out;
}
}  // namespace

class FaultsTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  // 2,000 long names in one folder: many directory reads and result blocks.
  // Exactly what find lists, but for the link into /proc; nothing hidden in
  // what is shown; no handle left open.
  void aTreeOfEveryKindAgainstFind() {
    TempTree t;
    t.file("first");
    // Further names are links to one file: a new file costs far more on a busy disk.
    const auto name = [&](int folder, const std::string& n) {
      QVERIFY(::linkat(AT_FDCWD, t.path("first").c_str(), folder, n.c_str(), 0) == 0);
    };
    t.folder("a/b");
    t.fifo("pipe");
    for (const auto& [link, target] : std::vector<std::pair<std::string, std::string>>{
             {"a/b/up", "../.."}, {"x", "y"}, {"y", "x"}, {"gone", "nowhere"}, {"root", "/"}, {"proc", "/proc"},
             {"kcore", "/proc/self/status"}, {"to-pipe", "pipe"}, {"to-null", "/dev/null"}, {"to-first", "first"}})
      t.link(link, target);
    int deep = ::open(t.root().c_str(), O_RDONLY | O_DIRECTORY);
    for (int b = 1; b < 256; ++b)
      if (b != '/') name(deep, std::string("n") + char(b) + "z");
    QCOMPARE(::mkdirat(deep, "wide", 0755), 0);
    const int wide = ::openat(deep, "wide", O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < 2000; ++i) name(wide, std::to_string(i) + std::string(245, 'w'));
    ::close(wide);
    const std::string longest(255, 'd');
    for (int i = 1; i <= 36; ++i) {  // 9,216 bytes of path below the tree
      QCOMPARE(::mkdirat(deep, longest.c_str(), 0755), 0);
      const int next = ::openat(deep, longest.c_str(), O_RDONLY | O_DIRECTORY);
      ::close(deep);
      deep = next;
      if (i % 12 == 0) name(deep, "planted" + std::to_string(i));
    }
    ::close(deep);
    const int handles = openHandles();
    WalkRig rig(t.root());
    rig.run();
    Paths theirs = found(t.root());
    QCOMPARE(theirs.erase(t.path("kcore")), std::size_t(1));
    QCOMPARE(theirs.size(), std::size_t(2 + 254 + 2000 + 3));  // first and to-first, bytes, wide, planted
    QCOMPARE(paths(rig), theirs);
    QCOMPARE(rig.walk->unreadable().total(), 0);
    for (std::size_t r = 0; r < rig.results.size(); ++r)
      for (char32_t c : DisplayText::fromBytes(rig.results.name(r)).toStdU32String()) QVERIFY(!DisplayText::isHidden(c));
    QTRY_COMPARE_WITH_TIMEOUT(openHandles(), handles, 2000);  // read-ahead workers close theirs at once
  }

  // Each search ends, listing what is below the folder, nothing of a kernel
  // interface; a folder whose path is longer than the system takes is found.
  void specialStartFolders() {
    TempTree t, far;  // t: also the current folder
    t.folder("sub");
    t.file("sub/quorrel-probe.txt");
    std::string deep = far.root();
    int folder = ::open(deep.c_str(), O_RDONLY | O_DIRECTORY);
    for (const std::string name(250, 'L'); deep.size() <= PATH_MAX; deep += "/" + name) {
      QCOMPARE(::mkdirat(folder, name.c_str(), 0755), 0);
      const int next = ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY);
      ::close(std::exchange(folder, next));
    }
    ::close(::openat(folder, "quorrel-probe.txt", O_WRONLY | O_CREAT, 0644));
    ::close(folder);
    const QString cwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QString::fromStdString(t.root())));
    const auto restore = qScopeGuard([&] { QDir::setCurrent(cwd); });
    const std::pair<std::string, bool> rows[] = {{"/proc", false},       {"/dev", false},          {".", true},
                                                 {t.root() + "/", true}, {t.path("sub/.."), true}, {deep, true}};
    for (const auto& [start, listed] : rows) {
      WalkRig rig(start);
      rig.name = "quorrel-probe";
      rig.run();
      const Names probe = listed ? Names{"quorrel-probe.txt"} : Names{};
      QVERIFY2(rig.fs.folderExists(start) && rig.stop && rig.names() == probe, start.substr(0, 40).c_str());
    }
  }

  // By name the same as find, as that user; by containing text the same but
  // the file it cannot open, counted.
  void permissionsAsAnUnprivilegedUser() {
    if (::geteuid() != 0) QSKIP("needs root to become another user");
    TempTree t;
    ::chmod(t.root().c_str(), 0755);
    for (const std::string folder : {"open", "closed", "enter-only", "list-only"}) {
      t.folder(folder);
      t.file(folder + "/in.txt", "abc");
    }
    t.file("locked.txt", "abc");
    ::chmod(t.path("closed").c_str(), 0);
    ::chmod(t.path("enter-only").c_str(), 0711);
    ::chmod(t.path("list-only").c_str(), 0744);
    ::chmod(t.path("locked.txt").c_str(), 0);
    const Paths theirs = found(t.root(), "nobody");
    QVERIFY(theirs.count(t.path("open/in.txt")) && !theirs.count(t.path("closed/in.txt")));
    const pid_t child = ::fork();
    if (child == 0) {
      if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
      WalkRig rig(t.root()), content(t.root(), "abc");
      rig.run();
      content.walk->setReadAhead(0);  // no new threads in a forked process
      content.run();
      Paths readable = theirs;
      readable.erase(t.path("locked.txt"));
      const bool lockedCounted = content.walk->unreadable().files() == rig.walk->unreadable().files() + 1;
      if (paths(rig) != theirs) ::_exit(1);
      if (rig.walk->unreadable().folders() < 1) ::_exit(2);
      ::_exit(paths(content) != readable || !lockedCounted ? 4 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(t.path("closed").c_str(), 0755);
    QVERIFY(WIFEXITED(status));
    // 1: not what find lists, 2: nothing counted unreadable, 4: by containing text, not so
    QCOMPARE(WEXITSTATUS(status), 0);
  }

  // No thread can start (a process limit of 1; as root, for a user of its
  // own, whom the limit binds): the search window still starts, paints its
  // pictures, searches and ends.
  void noThreadToBeHad() {
    TempTree t;
    ::chmod(t.root().c_str(), 0755);
    t.file("quorrel-probe.txt");
    QStringList command{"prlimit", "--nproc=1", "--", QUORREL_BENCH, "window", QString::fromStdString(t.root()),
                        "quorrel-probe"};
    if (::geteuid() == 0) command = QStringList{"setpriv", "--reuid=61234", "--regid=61234", "--clear-groups"} + command;
    QProcess bench;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // LeakSanitizer's check at exit needs a thread of its own.
    environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":detect_leaks=0");
    bench.setProcessEnvironment(environment);
    bench.start(command.takeFirst(), command);
    QVERIFY2(bench.waitForFinished(30000), "hangs");
    QVERIFY2(bench.readAllStandardOutput().contains("\"results\":1,"), bench.readAllStandardError().constData());
  }
};

QTEST_GUILESS_MAIN(FaultsTest)
#include "tst_faults.moc"
