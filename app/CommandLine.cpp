// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "shell/SearchWindows.h"

namespace {
// Latin-1 both ways: one character per byte, so nothing is lost or replaced.
QString latin1(const char* bytes) { return QString::fromLatin1(bytes); }
std::string bytes(const QString& text) { return text.toLatin1().toStdString(); }
// What the terminal shows: the help and the mistakes, in the system's encoding.
std::string shown(const QString& text) { return text.toLocal8Bit().toStdString(); }
// A text to search for is shown and matched as the system's encoding decodes it.
QString decoded(const QString& text) { return QString::fromLocal8Bit(text.toLatin1()); }

QString usage(const QCommandLineParser& parser, const QString& program) {
  // Past the parser's own first line, which would name no program before an application exists.
  const QString text = parser.helpText();
  return CommandLine::tr("Usage: %1 [options] [--] [folder]").arg(program) + '\n' + text.mid(text.indexOf('\n') + 1);
}
}  // namespace

CommandLine::CommandLine(int argc, const char* const* argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << latin1(argv[i]);
  const QString program = argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).fileName() : QString("quorrel");
  QCommandLineParser parser;
  parser.setApplicationDescription(
      tr("Find files by name, content or kind as you watch.\n"
         "\n"
         "Without a folder, Quorrel opens its launcher of the four kinds of search;\n"
         "with one, it starts in that folder and asks which kind of search to run\n"
         "there. Several words are one folder, joined by blanks. \"--\" ends the\n"
         "options: a folder named --help is \"quorrel -- --help\" or \"quorrel ./--help\".") +
      tr("\n\nWith --search, it opens that kind of search at once, in the "
         "folder if one\nis given, and closing it ends the program."));
  const QCommandLineOption help({"h", "help"}, tr("Show this help and end."));
  const QCommandLineOption version({"v", "version"}, tr("Show the version and end."));
  QStringList kinds;
  for (const auto& [word, kind] : SearchWindows::kNames) kinds << QString::fromLatin1(word);
  const QCommandLineOption search("search", tr("Open this kind of search at once: %1.").arg(kinds.join(", ")), "kind");
  const QCommandLineOption name("name", tr("With --search: the name to look for."), "text");
  const QCommandLineOption containing("containing", tr("With --search text: the text to look for in the files."),
                                      "text");
  const QCommandLineOption find("find", tr("With --search: start the search as soon as the window shows."));
  parser.addOptions({help, version, search, name, containing, find});
  parser.addPositionalArgument("folder", tr("The folder to search in; its name need not be UTF-8."), "[folder]");
  if (!parser.parse(arguments)) {
    exitStatus_ = 2;
    answer_ = shown(program + ": " + parser.errorText() + "\n" + usage(parser, program));
  } else if (parser.isSet(help)) {
    exitStatus_ = 0;
    answer_ = shown(usage(parser, program));
  } else if (parser.isSet(version)) {
    exitStatus_ = 0;
    answer_ = "quorrel " QUORREL_VERSION "\n";
  } else {
    search_.kind = bytes(parser.value(search));
    QString mistake;
    if (parser.isSet(search) && !SearchWindows::named(search_.kind))
      mistake = tr("Unknown kind of search: '%1' (it is one of %2).").arg(parser.value(search), kinds.join(", "));
    else if (!parser.isSet(search) && (parser.isSet(name) || parser.isSet(containing) || parser.isSet(find)))
      mistake = tr("--name, --containing and --find need --search.");
    else if (parser.isSet(containing) && SearchWindows::named(search_.kind) != SearchWindows::ContainingText)
      mistake = tr("--containing is only for --search text.");
    if (!mistake.isEmpty()) {
      exitStatus_ = 2;
      answer_ = shown(program + ": " + mistake + "\n" + usage(parser, program));
    }
    if (parser.isSet(name)) search_.name = decoded(parser.value(name));
    if (parser.isSet(containing)) search_.containing = decoded(parser.value(containing));
    search_.find = parser.isSet(find);
  }
  words_.push_back(argc > 0 ? argv[0] : "quorrel");
  for (const QString& word : parser.positionalArguments()) words_.push_back(bytes(word));
  for (const std::string& word : words_) pointers_.push_back(word.c_str());
}

// The help or the version that cannot be written whole (a full disk, a closed
// pipe) is a failure, said on standard error.
int CommandLine::answer() const {
  std::FILE* out = exitStatus_ == 0 ? stdout : stderr;
  if (std::fputs(answer_.c_str(), out) >= 0 && std::fflush(out) == 0) return exitStatus_.value_or(0);
  const int error = errno;
  if (out == stdout) std::fprintf(stderr, "quorrel: cannot write to standard output: %s\n", std::strerror(error));
  return 1;
}
