// SPDX-License-Identifier: GPL-3.0-or-later
// The real program in a child process: what its command line makes it do.
#include <QtTest>

namespace {
// A word for bash that yields exactly these bytes, whatever they are.
QString shellWord(const QByteArray& bytes) {
  QString word = "$'";
  for (const char c : bytes) word += QString::asprintf("\\x%02x", static_cast<unsigned char>(c));
  return word + "'";
}
}  // namespace

class CommandLineTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  // status -1: it starts in "printed" below the working folder as the shell names it (a link), or, with a
  // quote first, it logs "printed" (its texts' language, its search window's doings); else it ends with that
  // status, "printed" on standard output (0) or error, no setting written in the working folder.
  // Arguments: ">FILE" redirects the output, "NAME=" unsets NAME, "NAME=VALUE" sets it, a first "bench" runs
  // quorrel-bench.
  void options_data() {
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("printed");
    QTest::newRow("help") << QByteArrayList{"--help"} << 0 << QByteArray("\"quorrel -- --help\"");
    QTest::newRow("version, short") << QByteArrayList{"-v"} << 0 << QByteArray("quorrel " QUORREL_VERSION "\n");
    QTest::newRow("unknown") << QByteArrayList{"x", "--bogus"} << 2 << QByteArray("'bogus'.\nUsage: quorrel [");
    QTest::newRow("-- ends options") << QByteArrayList{"--", "--help", "-v"} << -1 << QByteArray("--help -v");
    QTest::newRow("named like an option") << QByteArrayList{"./--version"} << -1 << QByteArray("./--version");
    QTest::newRow("not UTF-8") << QByteArrayList{"caf\xe9", "\xff"} << -1 << QByteArray("caf\xe9 \xff");
    QTest::newRow("search all") << QByteArrayList{"--search", "all", "--name", "a b", "/"} << -1
                                << QByteArray("\"frmall\" named \"a b\" in \"/\"");
    QTest::newRow("search text") << QByteArrayList{"--search", "text", "--containing", "\xc3\xa9t\xc3\xa9", "/"} << -1
                                 << QByteArray("\"FRMFILECONTXT\" named \"\" containing \"\xc3\xa9t\xc3\xa9\"");
    QTest::newRow("search media") << QByteArrayList{"--search", "media", "--name", "x"} << -1
                                  << QByteArray("\"FRMCONTENTS\" named \"x\"");
    QTest::newRow("search office") << QByteArrayList{"--search", "office", "--name", "x"} << -1
                                   << QByteArray("\"frmoffice\" named \"x\"");
    QTest::newRow("search date, find") << QByteArrayList{"--search", "date", "--find", "--name", "quorrel.conf", "."}
                                       << -1 << QByteArray("\"frmdate\" ended: \"1 File(s) Found!\"");
    QTest::newRow("unknown kind") << QByteArrayList{"--search", "find"} << 2 << QByteArray("search: 'find' (it is");
    QTest::newRow("containing, not text") << QByteArrayList{"--search", "all", "--containing", "x"} << 2
                                          << QByteArray("--containing is only for --search text.\nUsage:");
    QTest::newRow("find alone") << QByteArrayList{"--find"} << 2 << QByteArray("need --search.\nUsage:");
    QTest::newRow("German") << QByteArrayList{"LANGUAGE=de", "/"} << -1 << QByteArray("\"de_DE\" texts");
    QTest::newRow("German help, UTF-8") << QByteArrayList{"LANG=C.UTF-8", "LANGUAGE=de", "--help"} << 0
                                        << QByteArray("--search \xc3\xb6" "ffnet");
    QTest::newRow("unknown language") << QByteArrayList{"LANGUAGE=xx", "/"} << -1 << QByteArray("\"en\" texts");
    QTest::newRow("English before German") << QByteArrayList{"LANGUAGE=en:de", "/"} << -1 << QByteArray("\"en\" texts");
    QTest::newRow("help to a full disk") << QByteArrayList{"--help", ">/dev/full"} << 1
                                         << QByteArray("standard output: No space left");
    QTest::newRow("no display") << QByteArrayList{"QT_QPA_PLATFORM=", "DISPLAY=", "WAYLAND_DISPLAY=", "/"} << 1
                                << QByteArray("quorrel: no display was found");
    QTest::newRow("bench, no corpus folder") << QByteArrayList{"bench", "gen-content", "/missing/a"} << 1
                                             << QByteArray("cannot make /missing/a");
    QTest::newRow("bench, bad category") << QByteArrayList{"bench", "engine", ".", "x", "--category", "office:abc"}
                                         << 1 << QByteArray("not a number: abc");
  }
  void options() {
    QFETCH(QByteArrayList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, printed);
    const QTemporaryDir folder, links;
    const QString named = links.path() + "/here";
    QVERIFY(QFile::link(folder.path(), named));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", folder.path());
    environment.insert("PWD", named);
    environment.insert("QT_LOGGING_RULES", "quorrel.start.debug=true;quorrel.search.debug=true");
    QProcess program;
    program.setWorkingDirectory(folder.path());
    const bool bench = arguments.value(0) == "bench";
    QString command = bench ? "exec " QUORREL_BENCH : "exec " QUORREL_BINARY;
    for (const QByteArray& a : arguments.mid(bench ? 1 : 0)) {
      if (a.endsWith('=')) environment.remove(a.chopped(1));
      else if (a.contains('=')) environment.insert(a.left(a.indexOf('=')), a.mid(a.indexOf('=') + 1));
      else command += ' ' + (a.startsWith('>') ? a : shellWord(a));
    }
    program.setProcessEnvironment(environment);
    if (status < 0) {  // until it says where it starts or what its window shows, then it is ended
      QFile settings(folder.filePath("quorrel/quorrel.conf"));  // no question about transparency
      QVERIFY(QDir(folder.path()).mkdir("quorrel") && settings.open(QIODevice::WriteOnly));
      settings.write("[Trans]\nAsk=N\n");
      settings.close();
      QString shown;  // as the program's log shows bytes
      QDebug(&shown) << named.toUtf8() + '/' + printed;
      if (!printed.startsWith('"')) printed = "start folder " + shown.trimmed().toLatin1();
      program.start("bash", {"-c", command});
      program.setReadChannel(QProcess::StandardError);
      QByteArray said;
      while (!said.contains(printed) && program.waitForReadyRead(10000)) said += program.readAll();
      program.kill();
      program.waitForFinished();
      QVERIFY2(said.contains(printed), said.constData());
      return;
    }
    program.start("bash", {"-c", command});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), status);
    const QByteArray out = program.readAllStandardOutput(), error = program.readAllStandardError();
    QVERIFY2((status == 0 ? out : error).contains(printed), (out + error).constData());
    QVERIFY((status == 0 ? error : out).isEmpty());
    QVERIFY(QDir(folder.path()).isEmpty());
  }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
