// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store, the drives and the small file-system services.
#include <QtTest>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

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
    for (const auto& p : {t.path("d"), t.path("dl"), t.path("f"), std::string(), t.path("nope"), t.path("d") + '\0'})
      QVERIFY2(fs.folderExists(p) == (p == t.path("d") || p == t.path("dl")), p.c_str());
  }

  // QSettings reads what the store writes, and the store what QSettings writes.
  void settingsRoundTrip() {
    const QStringView values[] = {u"", u"with, comma", u"a;b", u"@Variant(x)", u"line\nbreak\t\x01" "f", u" spaced ",
                                  u"caf\u00e9 \u2603 \U0001F600", u"\"q\" \\x41", {u"nul\0" "7", 5}, u"@String(x)"};
    for (const QStringView v : values) {
      const QString value = v.toString();
      QTemporaryDir dir;
      IniSettingsStore store(dir.path());
      QCOMPARE(store.get("q", "y", "named", "d"), QString("d"));
      QSettings(dir.path() + "/q.conf", QSettings::IniFormat).setValue("y/named", value);
      QCOMPARE(store.get("q", "y", "named", "d"), value);  // read again once changed
      store.save("x", "y", "named", value);
      QCOMPARE(QSettings(dir.path() + "/x.conf", QSettings::IniFormat).value("y/named").toString(), value);
    }
  }

  // What can be read is read; a save changes its own line (or adds one), and a link stays one.
  void handEditedFiles() {
    // The file, what "named" reads, the file after a save of "loc".
    const QByteArray garbage = QByteArray("[y]\nnamed=@Invalid()\n\0\xff[[[y\n=\nloc\n", 34) + QByteArray(100, '\0');
    std::vector<std::tuple<QByteArray, QString, QByteArray>> rows = {
        {"[y]\nnamed=n\nloc=/l\n[broken\nloc=b\n[Y]\nloc=B\n", "n",  // sections are case-sensitive
         "[y]\nnamed=n\nloc=/l\n[broken\nloc=/new\n[Y]\nloc=B\n"},
        {"[y]\nnamed=a,b ,  c ;d\n[z]\n", "a, b, c", "[y]\nnamed=a,b ,  c ;d\nloc=/new\n[z]\n"},
        {"[%79]\n%6Eamed=\"\\x20AC\\101\"\r\n", "\u20acA", "[%79]\n%6Eamed=\"\\x20AC\\101\"\r\nloc=/new\n"},
        {garbage, "d", garbage + "\nloc=/new\n"},
        {"\xEF\xBB\xBF[y]\nnamed=n\n", "n", "\xEF\xBB\xBF[y]\nnamed=n\nloc=/new\n"},  // a byte-order mark
        {"[y]\rnamed=n\rloc=/l\r[z]\r", "n", "[y]\rnamed=n\rloc=/new\r[z]\r"},
        {"[y]\nnamed=a\\\r\n  b\\\nc\nloc=/l\n", "a  bc", "[y]\nnamed=a\\\r\n  b\\\nc\nloc=/new\n"}};
    for (const QByteArray bad : {"[", "[]", "[y", "[General"})  // a header that cannot be read hides nothing below
      rows.emplace_back("[y]\n" + bad + "\nnamed=n\nloc=/l\n", "n", "[y]\n" + bad + "\nnamed=n\nloc=/new\n");
    for (const auto& [file, named, saved] : rows) {
      TempTree t;
      t.file("real.conf", std::string_view(file.constData(), file.size()));
      QCOMPARE(::chmod(t.path("real.conf").c_str(), 0604), 0);
      t.link("x.conf", "real.conf");
      IniSettingsStore store(QString::fromStdString(t.root()));
      QCOMPARE(store.get("x", "y", "named", "d"), named);
      store.save("x", "y", "loc", "/new");
      QFile written(QString::fromStdString(t.path("real.conf")));
      QVERIFY(written.open(QIODevice::ReadOnly) && QFileInfo(QString::fromStdString(t.path("x.conf"))).isSymLink());
      QCOMPARE(written.readAll(), saved);
      QCOMPARE(written.permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::ReadOther);  // kept: 0604
      QCOMPARE(IniSettingsStore(QString::fromStdString(t.root())).get("x", "y", "named", "d"), named);
    }
  }

  // Two instances saving into one file at once: neither loses the other's value.
  void twoInstancesSaving() {
    QTemporaryDir dir;
    pid_t children[2];
    for (int c = 0; c < 2; ++c)
      if ((children[c] = ::fork()) == 0) {
        IniSettingsStore store(dir.path());
        for (int i = 1; i <= 100; ++i) store.save("x", "y", c ? "loc" : "named", QString::number(i));
        ::_exit(0);
      }
    for (const pid_t child : children) ::waitpid(child, nullptr, 0);
    IniSettingsStore store(dir.path());
    QCOMPARE(store.get("x", "y", "named", "lost") + store.get("x", "y", "loc", "lost"), QString("100100"));
  }

  // Not a regular file: neither read (a FIFO would block) nor replaced; what is saved lasts the session.
  void settingsFilesThatAreNotFiles() {
    for (const QByteArray kind : {"fifo", "fifo link", "device link", "folder"}) {
      TempTree t;
      const std::string node = t.path(kind.endsWith("link") ? "node" : "x.conf");
      if (kind.startsWith("fifo")) QCOMPARE(::mkfifo(node.c_str(), 0644), 0);
      else if (kind == "folder") t.folder("x.conf");
      else if (::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) continue;  // no device nodes here
      if (kind.endsWith("link")) t.link("x.conf", "node");
      ::alarm(10);  // an open that blocks fails the test instead of hanging it
      const auto disarm = qScopeGuard([] { ::alarm(0); });
      IniSettingsStore store(QString::fromStdString(t.root()));
      QCOMPARE(store.get("x", "y", "named", "d"), QString("d"));
      store.save("x", "y", "named", "v");
      QCOMPARE(store.get("x", "y", "named", "d"), QString("v"));
      QVERIFY(QFile::exists(QString::fromStdString(node)) && !QFileInfo(QString::fromStdString(node)).isFile());
      QCOMPARE(QFileInfo(QString::fromStdString(t.path("x.conf"))).isSymLink(), kind.endsWith("link"));
    }
  }

  // $XDG_CONFIG_HOME when absolute, else .config in $HOME or, without it, the password database's home.
  void configurationFolder() {
    const QString database = QFile::decodeName(::getpwuid(::getuid())->pw_dir) + "/.config/quorrel";
    const std::tuple<QByteArray, QByteArray, QString> rows[] = {
        {"/h", {}, "/h/.config/quorrel"}, {{}, "relative", database}, {"", {}, database}};
    const auto set = [](const char* name, const QByteArray& v) { v.isNull() ? qunsetenv(name) : qputenv(name, v); };
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    for (const auto& [home, config, folder] : rows) {
      set("HOME", home);
      set("XDG_CONFIG_HOME", config);
      const QString file = IniSettingsStore().fileFor("x");
      set("HOME", oldHome);
      set("XDG_CONFIG_HOME", oldConfig);
      QCOMPARE(file, folder + "/x.conf");
    }
  }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
