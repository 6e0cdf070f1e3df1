// quorrel-walk FOLDER [TEXT]: runs the engine's walk over FOLDER for names
// containing TEXT (a yield that does nothing) and prints the full path of
// every result, one per line, in the order found. Used to check the engine's
// results against find and to time the engine alone.
#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "engine/FolderWalk.h"
#include "engine/ResultsModel.h"
#include "platform/LinuxFileSystem.h"
#include "platform/PathName.h"
#include "platform/ThemeIconSource.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER [TEXT]\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString text = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
  bool stopFlag = false, matchCase = false;
  LinuxFileSystem fs;
  ThemeIconSource icons;
  ResultsModel lv(icons);
  FolderWalk walk(fs, lv, icons, WalkFlags{&stopFlag, &matchCase, nullptr, nullptr});
  walk.setNameSource([text] { return text; });
  walk.start(argv[1]);
  std::string line;
  for (int r = 0; r < lv.rowCount(); ++r) {
    PathName::joinInto(line, lv.folder(r), lv.name(r));
    line.push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stdout);
  }
  std::fprintf(stderr, "%d results, %lld unreadable\n", lv.rowCount(),
               static_cast<long long>(walk.unreadable().total()));
  return 0;
}
