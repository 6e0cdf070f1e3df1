// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
// Latin-1 both ways: one character per byte, so nothing is lost or replaced.
QString latin1(const char* bytes) { return QString::fromLatin1(bytes); }
std::string bytes(const QString& text) { return text.toLatin1().toStdString(); }

const char* const kAbout = "Find files by name, content or kind as you watch.\n"
                           "\n"
                           "Without a folder, Quorrel opens its launcher of the four kinds of search;\n"
                           "with one, it starts in that folder and asks which kind of search to run\n"
                           "there. Several words are one folder, joined by blanks. \"--\" ends the\n"
                           "options: a folder named --help is \"quorrel -- --help\" or \"quorrel ./--help\".";

QString usage(const QCommandLineParser& parser, const QString& program) {
  // Past the parser's own first line, which would name no program before an application exists.
  const QString text = parser.helpText();
  return "Usage: " + program + " [options] [--] [folder]\n" + text.mid(text.indexOf('\n') + 1);
}
}  // namespace

CommandLine::CommandLine(int argc, const char* const* argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << latin1(argv[i]);
  const QString program = argc > 0 ? QFileInfo(arguments.first()).fileName() : QString("quorrel");
  QCommandLineParser parser;
  parser.setApplicationDescription(kAbout);
  const QCommandLineOption help({"h", "help"}, "Show this help and end.");
  const QCommandLineOption version({"v", "version"}, "Show the version and end.");
  parser.addOptions({help, version});
  parser.addPositionalArgument("folder", "The folder to search in; its name need not be UTF-8.", "[folder]");
  if (!parser.parse(arguments)) {
    exitStatus_ = 2;
    answer_ = bytes(program + ": " + parser.errorText() + "\n" + usage(parser, program));
  } else if (parser.isSet(help)) {
    exitStatus_ = 0;
    answer_ = bytes(usage(parser, program));
  } else if (parser.isSet(version)) {
    exitStatus_ = 0;
    answer_ = "quorrel " QUORREL_VERSION "\n";
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
